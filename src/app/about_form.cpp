#include "app/about_form.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include <algorithm>

#include "platform/dpi_scale.h"
#include "platform/window_placement.h"
#include "ksw_resources.h"

namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QRect geometry)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    return label;
}

QLabel* MakeImage(QWidget* parent, const char* name, const QString& resource)
{
    auto* image = MakeLabel(parent, name, QString(), ScaledRect(8, 12, 32, 32));
    image->setPixmap(QPixmap(resource));
    image->setScaledContents(true);
    return image;
}

}  // namespace

TAboutForm::TAboutForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint)
{
    InitKswResources();
    QFont heading = font();
    heading.setBold(true);
    heading.setPixelSize(Scaled(12));
    // The two model lines share one place; only the family's line is ever shown.
    aboutLabel_ = MakeLabel(this, "AboutLabel", QStringLiteral("Quorix KSW-7110 Management Module"),
                            ScaledRect(48, 12, 270, 16));
    aboutLabel2_ = MakeLabel(this, "AboutLabe2", QStringLiteral("Quorix KSW-7100-16 Management Module"),
                             ScaledRect(48, 12, 270, 16));
    aboutLabel_->setFont(heading);
    aboutLabel2_->setFont(heading);
    versionLabel_ = MakeLabel(this, "VersionLabel", QStringLiteral("Release Version 1.35R14"),
                              ScaledRect(48, 32, 270, 14));
    MakeLabel(this, "CopyrightLabel", QStringLiteral("Copyright (C) 2009 Quorix. All rights reserved."),
              ScaledRect(48, 48, 270, 14));
    image7110_ = MakeImage(this, "Image7110", QStringLiteral(":/model_7110.png"));
    image7116_ = MakeImage(this, "Image7116", QStringLiteral(":/model_7116.png"));

    okButton_ = new QPushButton(QStringLiteral("OK"), this);
    okButton_->setObjectName(QStringLiteral("BT_Ok"));
    okButton_->setGeometry(ScaledRect(124, 70, 75, 25));
    okButton_->setDefault(true);
    okButton_->installEventFilter(this);
    connect(okButton_, &QPushButton::clicked, this, &TAboutForm::BT_OkClick);

    FormActivate();
    WidenToFitTexts();
}

void TAboutForm::WidenToFitTexts()
{
    // The design width suits narrow fonts; where the desktop's fonts run wider, grow rather than
    // cut the texts off.
    int width = Scaled(323);
    for (QLabel* label : findChildren<QLabel*>()) {
        if (label->pixmap().isNull()) {
            label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
            width = std::max(width, label->geometry().right() + Scaled(8));
        }
    }
    setFixedSize(width, Scaled(105));
    okButton_->move((width - okButton_->width()) / 2, okButton_->y());
}

void TAboutForm::FormActivate()
{
    image7116_->show();
    image7110_->hide();
    aboutLabel_->hide();
    aboutLabel2_->setText(QStringLiteral("Quorix KSW-7100-16 Management Module"));
    setWindowTitle(QStringLiteral("About KSW-7100-16 Module"));
}

void TAboutForm::BT_OkClick()
{
    accept();
}

bool TAboutForm::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    else if (event->type() == QEvent::Show)
        CentreOnMainWindow(this);
    return QDialog::event(event);
}

bool TAboutForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == okButton_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (BT_OkKeyDown(key->key(), key->modifiers()))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

bool TAboutForm::BT_OkKeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    const Qt::KeyboardModifiers needed = Qt::ShiftModifier | Qt::AltModifier;
    if (key != Qt::Key_F3 || (modifiers & needed) != needed)
        return false;
    versionLabel_->setText(QStringLiteral("Release Version 1.35R14(Build 2009/3/13)"));
    WidenToFitTexts();
    return true;
}
