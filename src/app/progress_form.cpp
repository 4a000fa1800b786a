#include "app/progress_form.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <optional>

#include "platform/dpi_scale.h"
#include "platform/window_placement.h"
#include "snmp/errors.h"

namespace {
constexpr int kBarMaximum = 76;
}

TProgressWindow::TProgressWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(QStringLiteral("Progress"));
    setFixedSize(Scaled(358), Scaled(66));

    prompt_ = new QLabel(this);
    prompt_->setObjectName(QStringLiteral("LB_Prompt"));
    QFont bold = prompt_->font();
    bold.setBold(true);
    prompt_->setFont(bold);
    prompt_->move(Scaled(16), Scaled(7));

    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("ProgressBar"));
    bar_->setGeometry(ScaledRect(16, 32, 329, 16));
    bar_->setRange(0, kBarMaximum);
    bar_->setValue(0);
    bar_->setTextVisible(false);

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("ProgressTimer"));
    timer_->setInterval(1000);
    connect(timer_, &QTimer::timeout, this, &TProgressWindow::ProgressTimerTimer);
    timer_->start();
}

void TProgressWindow::SetPrompt(const QString& prompt)
{
    prompt_->setText(prompt);
    prompt_->adjustSize();
}

void TProgressWindow::ProgressTimerTimer()
{
    // Ticks are counted apart from the bar, which wraps at its maximum: a limit at or above the
    // maximum would otherwise never be reached and leave a window nobody can close.
    if (steps_ >= StepCount()) {
        Finish();
        return;
    }
    ++steps_;
    const int next = bar_->value() + 1;
    bar_->setValue(next >= bar_->maximum() ? bar_->minimum() : next);
}

void TProgressWindow::Finish()
{
    timer_->stop();
    finishing_ = true;
    done(QDialog::Accepted);
}

void TProgressWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    CentreOnMainWindow(this);
}

void TProgressWindow::closeEvent(QCloseEvent* event)
{
    if (finishing_)
        QDialog::closeEvent(event);
    else
        event->ignore();
}

void TProgressWindow::reject()
{
    if (finishing_)
        QDialog::reject();
}

TProgressForm::TProgressForm(QWidget* parent, const Operation& startOperation, const ErrorSink& showError)
    : TProgressWindow(parent)
{
    if (!startOperation)
        return;
    std::optional<QString> error;
    try {
        startOperation();
    } catch (const AppException& e) {
        error = e.message();
    } catch (const std::exception& e) {
        error = QString::fromLocal8Bit(e.what());
    }
    if (error && showError)
        showError(*error);
}

TProgressForm2::TProgressForm2(QWidget* parent) : TProgressWindow(parent) {}
