#pragma once
// The main window against ksw-sim: a private installation (registry file, device configuration
// file with the simulator's port), the simulator, and helpers for the modal pages the menu opens.

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

#include "app/main_form.h"
#include "sim_process.h"
#include "startup_fixture.h"

inline const QStringList kDemoParameters{"/I127.0.0.1", "/Rmirepo", "/Wwrilato"};

class MainWindowFixture {
public:
    // Starts ksw-sim with 'simOptions' and describes it in the device configuration file (v2c).
    bool Start(const QStringList& simOptions = {})
    {
        if (!install_.isValid() || !sim_.start(simOptions)) return false;
        install_.writeRegistry("[\\SOFTWARE\\Quorix\\Vantrix5.1\\MibFile]\nPath=" + install_.root() + "/Conf/MBF/\n");
        const QByteArray port = QByteArray::number(sim_.port());
        install_.writeConfigFile("127.0.0.1", ConfigKeys({{"AgentPort", port.constData()},
                                                          {"Version", "1"},
                                                          {"SecurityModel", "2"}}));
        return true;
    }
    QString Error() const { return sim_.error(); }
    SimProcess& Sim() { return sim_; }
    const StartupFixture& Install() const { return install_; }

    // Creates the window (a TMainForm, or a test's own kind of it), shows it and waits for its
    // first activation.
    template <typename Form = TMainForm>
    TMainForm* Open(const QStringList& parameters = kDemoParameters)
    {
        form_ = std::make_unique<Form>(parameters);
        form_->show();
        if (!QTest::qWaitFor([this] { return form_->FirstActivationDone(); }, 20000)) return nullptr;
        return form_.get();
    }
    TMainForm* Form() const { return form_.get(); }
    void Close() { form_.reset(); }

private:
    StartupFixture install_;
    SimProcess sim_;
    std::unique_ptr<TMainForm> form_;
};

// Runs 'trigger', which opens a modal window, and 'inspect' on that window once it is shown;
// then closes it. Returns false when no modal window appeared.
inline bool RunModal(const std::function<void()>& trigger, const std::function<void(QWidget*)>& inspect,
                     int timeoutMs = 15000)
{
    bool seen = false;
    auto* poll = new QTimer;
    QElapsedTimer clock;
    clock.start();
    QObject::connect(poll, &QTimer::timeout, [&, poll] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) {
            if (clock.elapsed() > timeoutMs) poll->stop();
            return;
        }
        poll->stop();
        seen = true;
        inspect(modal);
        modal->close();
    });
    poll->start(50);
    trigger();
    delete poll;
    return seen;
}

inline QLabel* StatusPanel0(QWidget* form)
{
    return form->findChild<QLabel*>(QStringLiteral("StatusPanel0"));
}
