#pragma once

#include <QLabel>

// A one-line caption drawn for a narrower font than the desktop's. Each time
// it is shown it makes its whole text readable without moving: it widens to
// the right as far as its text needs and no other control stands, grows to
// the text's height, and where a control stands in the way its font gets
// smaller until the text fits.
class Caption : public QLabel {
    Q_OBJECT
public:
    explicit Caption(QWidget* parent = nullptr);

    // Fits the caption to its present text.
    void fitText();

protected:
    void showEvent(QShowEvent* event) override;
};
