#pragma once
// The window of a generic page: modal, assembled at run time from one binding as a scalar
// editor or a table page. It owns its bindings; its first read runs once the window is on the
// screen and its event loop runs, so a page opened with exec() is drawn before it waits for the
// agent. Closing it stops its bindings, waits for their running requests and destroys them.

#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <memory>
#include <vector>

class QxSNMPRequest2Edits;
class TSNMPEditorPanel;
class TSNMPListViewPanel;

class TConfigForm : public QDialog {
    Q_OBJECT
public:
    enum FormKind { FormEmpty = 0, FormEditor = 1, FormTable = 2 };
    // The message the form posts itself to start its first read.
    static constexpr QEvent::Type FirstReadEvent = static_cast<QEvent::Type>(34002);

    explicit TConfigForm(QWidget* owner = nullptr);
    ~TConfigForm() override;

    // A scalar page on the binding (created with this form as its owner). Raises when the
    // form already has a page.
    TSNMPEditorPanel* SetEditor(std::unique_ptr<QxSNMPRequest2Edits> binding);
    // A table page; -1 and no text where the table has no row-status column. Wrong status
    // texts raise (the form keeps the binding and is destroyed as usual).
    TSNMPListViewPanel* SetTable(std::unique_ptr<QxSNMPRequest2Edits> binding, int addStatusVar,
                                 const QString& addText, int deleteStatusVar, const QString& deleteText);

    // Makes the page's binding the current one and reads; errors become status lines.
    void Refresh();

    int FormType() const { return formType_; }
    TSNMPEditorPanel* Panel() const;
    QxSNMPRequest2Edits* CurrentBinding() const;
    QxSNMPRequest2Edits* Binding() const;

public slots:
    void done(int result) override;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QxSNMPRequest2Edits* Adopt(std::unique_ptr<QxSNMPRequest2Edits> binding);
    void CheckFormEmpty() const;
    void FormClose();

    std::vector<std::unique_ptr<QxSNMPRequest2Edits>> bindings_;
    QPointer<QxSNMPRequest2Edits> current_;
    QPointer<TSNMPEditorPanel> panel_;
    int formType_ = FormEmpty;
    bool firstReadDue_ = false;
    bool closing_ = false;
    bool closed_ = false;
};
