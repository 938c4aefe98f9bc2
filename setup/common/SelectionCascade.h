#pragma once

#include "setup/common/CascadeControls.h"
#include "setup/common/CascadeRules.h"
#include "shell/Stage.h"

#include <QString>
#include <QVariantList>

#include <functional>

class AxisSnapshot;
struct AxisRecord;

// The selection cascade of a setup form, from the technology list down to the
// cable option: the handlers of the motor-series list and of the six motor
// detail lists, and the steps every cascade handler shares (hiding the result
// display, emptying the lists and record slots below a choice, filling the
// next list, selecting a list's only entry). The forms differ in data
// (CascadeRules) and in the few virtual steps below.
class SelectionCascade {
public:
    // The lists below the motor series, in cascade order.
    enum Stage { FrameSize, StackLength, Winding, FourthList, FifthList, CableOption, MotorOptions };

    SelectionCascade(const CascadeControls& controls, const CascadeRules& rules);
    virtual ~SelectionCascade() = default;
    SelectionCascade(const SelectionCascade&) = delete;
    SelectionCascade& operator=(const SelectionCascade&) = delete;

    // The technology list's choice: unless a project is replayed the form is
    // reset first (keeping the technology list), then the drives and the motor
    // series of the technology are listed and a one-entry list selects itself.
    void technologyChosen(const std::function<void()>& resetKeepingTechnology);
    void motorSeriesClick();

    // What a choice in the drive or the series list goes on with: the chosen
    // text, what the choice replaced (to put back when it is refused) and the
    // current axis' record.
    using ChoiceSteps = std::function<void(const QString& chosen, const AxisSnapshot& before, AxisRecord& record)>;
    // A choice in the drive or the series list, the two lists above the motor
    // details that may be chosen in either order. Unless lists load or the
    // list shows `last` again, hides the result display, empties the lists
    // from the frame size down, drops the list's stage and runs the steps with
    // Loading_Lists set. False when the steps did not run.
    bool upperChoice(const ListControl* list, const QString& last, ::Stage stage, const ChoiceSteps& steps);
    // The handler of one of the six lists from frame size to cable option.
    void detailClick(Stage stage);

    void hideResultDisplay() const;
    // Reset's part: the lists from the drive down emptied and disabled; the
    // drive button, the results, both pictures and the separator lines hidden;
    // voltage, wiring and cable lengths hidden and emptied; the next drive or
    // series choice runs in full.
    void reset() const;
    // Empties the lists from `first` down to the motor options, then disables them.
    void emptyAndDisable(Stage first) const;
    // The project's stage of a detail list.
    static ::Stage stageOf(Stage stage);
    // Drops what derives from the list above `first` (Dependents::drop) and
    // shows the form's results without it.
    void dropFrom(Stage first) const;
    // Captions of the detail lists for a part-number type; other types keep theirs.
    void relabel(const QString& partNumberType) const;
    // The frame sizes of the chosen drive and series, nothing selected, enabled.
    void listFrameSizes() const;
    // The list after a drive choice: the frame sizes of drive and series when
    // a series is chosen, else the series offered with the drive. False when
    // drive and series have no frame size: the choice was refused (the axis
    // reset or put back as `before` holds it).
    bool listAfterDrive(bool seriesChosen, const AxisSnapshot& before);
    // The motor series offered with the chosen drive (by the form's include column), nothing selected.
    void listSeriesOfDrive() const;

    // Fills a list with the distinct values of a column in row order; Null
    // values (and empty ones unless keepEmpty) are skipped and the list is
    // never cut short.
    static void fillDistinct(ListControl* list, const QString& sql, const QVariantList& params,
                             const QString& column, bool keepEmpty = true);
    // Fills a list with one entry per row (Null values, and empty ones unless keepEmpty, skipped).
    static void fillRows(ListControl* list, const QString& sql, const QVariantList& params, const QString& column,
                         bool keepEmpty = true);

protected:
    // A series chosen before a drive: the drive list becomes the drives that
    // pair with the series. False when no drive is left to choose: the
    // series and the controller do not go together.
    virtual bool listDrivesOfSeries();
    // The values the technology's drive query is bound to.
    virtual QVariantList technologyDriveParams(const QString& technology) const { return {technology}; }
    // The drives [Drive to Motor] pairs with the series, in drive-name order, each once.
    static QStringList drivesOfSeries(const QString& series);

    const CascadeControls& m_c;
    const CascadeRules& m_rules;

private:
    void seriesChosen(const QString& series, const AxisSnapshot& before, AxisRecord& record);
    void fillAfter(Stage stage, bool qdServo, const AxisRecord& record) const;
};
