#include "platform/help_viewer.h"

#include <QAction>
#include <QFileInfo>
#include <QMainWindow>
#include <QPointer>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>

namespace {

class HelpViewer : public QMainWindow {
public:
    HelpViewer()
    {
        setObjectName(QStringLiteral("HelpViewer"));
        setAttribute(Qt::WA_DeleteOnClose);
        resize(640, 480);

        browser_ = new QTextBrowser(this);
        browser_->setObjectName(QStringLiteral("HelpBrowser"));
        browser_->setOpenExternalLinks(true);
        setCentralWidget(browser_);

        auto* bar = addToolBar(QStringLiteral("Navigation"));
        bar->setObjectName(QStringLiteral("HelpNavigation"));
        bar->setMovable(false);
        QAction* back = bar->addAction(QStringLiteral("Back"), browser_, &QTextBrowser::backward);
        QAction* forward = bar->addAction(QStringLiteral("Forward"), browser_, &QTextBrowser::forward);
        bar->addAction(QStringLiteral("Home"), browser_, &QTextBrowser::home);
        back->setObjectName(QStringLiteral("HelpBack"));
        forward->setObjectName(QStringLiteral("HelpForward"));
        back->setShortcut(QKeySequence::Back);
        forward->setShortcut(QKeySequence::Forward);
        back->setEnabled(false);
        forward->setEnabled(false);
        connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
        connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
        connect(browser_, &QTextBrowser::sourceChanged, this, [this] { UpdateTitle(); });
    }

    void Open(const QString& path)
    {
        const QFileInfo file(path);
        if (!file.isFile() || !file.isReadable()) {
            browser_->clearHistory();
            browser_->setHtml(QStringLiteral("<h3>Help is not available</h3><p>The help file %1 cannot be "
                                             "found or read.</p>")
                                  .arg(path.toHtmlEscaped()));
            setWindowTitle(QStringLiteral("Help"));
            return;
        }
        // Through the file's URL, so links and pictures relative to it resolve; clearing the history
        // afterwards makes this file Home and forgets the previous one.
        browser_->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
        browser_->clearHistory();
        UpdateTitle();
    }

private:
    void UpdateTitle()
    {
        const QString title = browser_->documentTitle();
        setWindowTitle(title.isEmpty() ? QStringLiteral("Help") : title);
    }

    QTextBrowser* browser_;
};

QPointer<HelpViewer> g_viewer;

}  // namespace

QWidget* ShowHelp(const QString& htmlPath)
{
    if (!g_viewer)
        g_viewer = new HelpViewer;
    g_viewer->Open(htmlPath);
    g_viewer->show();
    g_viewer->raise();
    g_viewer->activateWindow();
    return g_viewer;
}

void CloseHelp()
{
    delete g_viewer.data();
}
