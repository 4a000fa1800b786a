#pragma once
// The frame of a generic page and of its add and edit dialogs: the content (editor grid or
// list) with the message area below it and the button column on the right. The message area
// can be made taller by dragging its splitter; the button column has a fixed width behind a
// plain separator.

#include <QPointer>
#include <QSize>
#include <QWidget>

class QSplitter;
class QVBoxLayout;
class QxSNMPRequest2Edits;
class TCtrlBtnPanel;
class TMsgPanel;

class TSNMPPanel : public QWidget {
    Q_OBJECT
public:
    // Without a message panel the frame makes its own; dialogs pass their page's.
    TSNMPPanel(QWidget* parent, QxSNMPRequest2Edits* binding, TMsgPanel* msgPanel = nullptr);

    QxSNMPRequest2Edits* Binding() const;
    TCtrlBtnPanel* CtrlBtnPanel() const { return buttons_; }
    TMsgPanel* MsgPanel() const { return msgPanel_; }
    // Puts a message panel at the bottom of the content (taking it from where it was).
    void SetMsgPanel(TMsgPanel* msgPanel);

    // Shows `content` in the client area, hiding the previous content, and sizes the frame:
    // content plus button column and separators, at least as high as the button column.
    void SetContent(QWidget* content);
    QWidget* Content() const { return content_; }
    // Keeps a control in the client area, hidden and out of the layout.
    void Keep(QWidget* control);

    // Centres the form on the main window, grows it to the frame's size (at most 800 by 550)
    // and lets the frame fill it.
    void AttachToForm(QWidget* form);
    QSize PageSize() const { return pageSize_; }

public slots:
    void btnCloseClick();

protected:
    // Sizes the frame again after the content's preferred size changed.
    void UpdatePageSize();

    QPointer<QxSNMPRequest2Edits> binding_;

private:
    void FitForm();

    TCtrlBtnPanel* buttons_;
    TMsgPanel* msgPanel_ = nullptr;
    QSplitter* clientSplitter_;
    QWidget* clientPanel_;
    QVBoxLayout* clientLayout_;
    QPointer<QWidget> content_;
    QPointer<QWidget> form_;
    QSize pageSize_;
};

// The separators' width (the button column's and the message area's splitter).
int SeparatorWidth();
