#include "setup/common/CascadeControls.h"

#include "platform/ListControl.h"
#include "setup/common/FormControls.h"
#include "setup/common/TextBox.h"

#include <QLabel>

void CascadeControls::listResultDisplay()
{
    resultDisplay = {cmbMotor_Cable_Length, lblMotor_Cable_Length, cmbFeedback_Cable_Length, lblFeedback_Cable_Length,
                     txtDrive, lblDrive, cmbDriveVoltage, lblDriveVoltage, cmbWiring, lblwiring, cmdCurve, txtMotor,
                     lblMotor, txtMotor_Part, lblMotor_Part};
    for (QWidget* line : lines)
        resultDisplay << line;
}

void CascadeControls::makeDetailLists(QWidget* form, int width, int labelHeight,
                                      const std::function<Place(int stage)>& place)
{
    struct Detail {
        const char* label;
        const char* caption;
        const char* list;
        ListControl* CascadeControls::*control;
        QLabel* CascadeControls::*labelSlot;
    };
    // The captions the cascade relabels per part-number type have a slot.
    const Detail details[] = {
        {"lblFrame_Size", "Frame Size", "cmbFrame_size", &CascadeControls::cmbFrame_size, nullptr},
        {"lblStack_Length", "Stack Length", "cmbStack_length", &CascadeControls::cmbStack_length,
         &CascadeControls::lblStack_Length},
        {"lblWinding", "Winding", "cmbWinding", &CascadeControls::cmbWinding, &CascadeControls::lblWinding},
        {"lblFeedback", "Feedback", "cmbFeedback", &CascadeControls::cmbFeedback, &CascadeControls::lblFeedback},
        {"lblShaft_Options", "Shaft Options", "cmbShaft_options", &CascadeControls::cmbShaft_options,
         &CascadeControls::lblShaft_Options},
        {"lblCable_Option", "Cable Options", "cmbCable_Option", &CascadeControls::cmbCable_Option, nullptr},
        {"lblMotor_Options", "Motor Options", "cmbOptions", &CascadeControls::cmbOptions,
         &CascadeControls::lblMotor_Options},
    };
    int stage = 0;
    for (const Detail& d : details) {
        const Place at = place(stage++);
        QLabel* l = FormControls::label(form, QLatin1String(d.label), QLatin1String(d.caption), at.left, at.top, width,
                                        labelHeight);
        if (d.labelSlot)
            this->*d.labelSlot = l;
        this->*d.control = FormControls::make<ListControl>(form, QLatin1String(d.list), at.left, at.top + 240, width, 315);
    }
}
