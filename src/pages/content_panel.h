#pragma once
// What a generic page shows next to its button column: the editor grid or the list view. Each
// kind decides which buttons of the column it needs.

#include <QWidget>

class TCtrlBtnPanel;

class TContentPanel : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    virtual void ArrangeCtrlBtn(TCtrlBtnPanel* buttons) = 0;
};
