#pragma once

#include "shell/Form.h"

// A notice on generating speed/torque curves with the maker's sizing tool.
class frmCurveInfo : public Form {
    Q_OBJECT
public:
    static constexpr QLatin1StringView Name{"frmCurveInfo"};

    frmCurveInfo();

    void Form_Load() override;
    void OKButton_Click();
};
