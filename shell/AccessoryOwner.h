#pragma once

// What the accessory dialog asks of the options dialog that opened it: show
// the accessories just stored. The controller and drive/controller options
// dialogs implement it; the dialog reaches them by name through Forms.
class AccessoryOwner {
public:
    virtual ~AccessoryOwner() = default;

    virtual void Update_Accessories_Display() = 0;
};
