#pragma once

#include <QPointer>
#include <QWidget>

// The part of a setup form that the cascade reveals as it goes (the pictures,
// part numbers, voltage, wiring, cable lengths, the curve button): a
// transparent layer over the whole form, below its other controls, that holds
// those widgets. Showing a widget on a window under the mouse costs a round trip to
// the window system; inside a Batch the area is out of sight while its widgets
// are shown and comes back at the end, so a step's results appear at once.
// Each widget keeps its own hidden flag as the handlers set it.
class ResultArea : public QWidget {
    Q_OBJECT
public:
    explicit ResultArea(QWidget* form);

    // Shows one of the area's widgets (or any widget when area is null).
    static void reveal(ResultArea* area, QWidget* widget);

    // One user action or replay: batches nest, the outermost ends the batch.
    // A user's action holds the area back from its first reveal on (a question
    // asked before that shows the form as it was); a replay holds it at once.
    class Batch {
    public:
        enum Start { FromFirstReveal, AtOnce };
        explicit Batch(ResultArea* area, Start start = FromFirstReveal);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        ResultArea* m_area;
    };

private:
    void hold();

    int m_depth = 0;
    bool m_held = false;
    QPointer<QWidget> m_focus;
};

// A form's controls by role, some of which live in its result area: show()
// reveals one there.
struct ResultAreaControls {
    ResultArea* resultArea = nullptr;
    void show(QWidget* widget) const { ResultArea::reveal(resultArea, widget); }
};
