#pragma once

#include <QRadioButton>

#include <functional>

// An option button of a group. Choosing it from code runs its Click handler at
// once (nested) when it was not chosen yet; clearing it from code runs nothing;
// a user's click always runs it.
class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    explicit OptionButton(const QString& caption = QString(), QWidget* parent = nullptr);

    void setClickHandler(std::function<void()> handler);

    bool value() const { return isChecked(); }
    void setValue(bool on);

    // A user's click.
    void choose();

private:
    std::function<void()> m_handler;
};
