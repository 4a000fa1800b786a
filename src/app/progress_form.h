#pragma once
// The windows that keep the user waiting while the switch carries out a long operation
// (enabling spanning tree, changing its version, activating a stored configuration). They have
// no button and no close box: each closes itself after a fixed number of timer ticks.

#include <QDialog>
#include <functional>

class QLabel;
class QProgressBar;
class QTimer;

class TProgressWindow : public QDialog {
    Q_OBJECT
public:
    void SetPrompt(const QString& prompt);
    // How many ticks the window lives for; fixed or set by the caller.
    virtual int StepCount() const = 0;

public slots:
    void ProgressTimerTimer();
    void reject() override;  // Escape: ignored until the window finishes

protected:
    explicit TProgressWindow(QWidget* parent);
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Finish();

    QLabel* prompt_;
    QProgressBar* bar_;
    QTimer* timer_;
    int steps_ = 0;
    bool finishing_ = false;
};

// Starts the operation itself: its construction asks the spanning-tree page's binding to write.
// A failed write is reported through `showError` (the page's status bar) and the window runs
// its full time all the same.
class TProgressForm : public TProgressWindow {
    Q_OBJECT
public:
    using Operation = std::function<void()>;            // may throw AppException
    using ErrorSink = std::function<void(const QString&)>;

    TProgressForm(QWidget* parent, const Operation& startOperation, const ErrorSink& showError);
    int StepCount() const override { return 30; }
};

// For operations the caller has already sent; the caller may lower StepLimit (configuration
// activation waits 15 ticks).
class TProgressForm2 : public TProgressWindow {
    Q_OBJECT
public:
    explicit TProgressForm2(QWidget* parent);
    int StepCount() const override { return StepLimit; }

    qint32 StepLimit = 30;
};
