#pragma once

#include "shell/Form.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

// Shown while the price request runs: the request document of a batch, then
// the answer, and a Cancel that ends the request.
class frmXMLwaitdialog : public Form {
    Q_OBJECT
public:
    static constexpr QLatin1StringView Name{"frmXMLwaitdialog"};

    frmXMLwaitdialog();

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

    // Shows at most the first Max_Shown characters, then a line "...".
    static constexpr int Max_Shown = 16384;
    void setText(const QString& text);
    QString text() const;

signals:
    // Cancel pressed or the window closed while a request runs.
    void cancelled();

private:
    QLabel* m_label1 = nullptr;
    QPlainTextEdit* m_text1 = nullptr;
    QPushButton* m_cmdCancel = nullptr;
};
