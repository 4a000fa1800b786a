#pragma once
// What the front panel needs from the window it is embedded in.

class QLabel;
class TPortButton;

class TPanelHost {
public:
    // Status bar panel 0: the LED poll writes its status lines there.
    virtual QLabel* StatusPanel() const = 0;
    // The window keeps every port button of its panels in one list.
    virtual void AddPortButton(TPortButton* button) = 0;

protected:
    ~TPanelHost() = default;
};
