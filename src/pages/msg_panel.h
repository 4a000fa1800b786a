#pragma once
// The message area at the bottom of a generic page: a read-only memo where the page's binding
// appends its status lines.

#include <QWidget>

class QPlainTextEdit;

class TMsgPanel : public QWidget {
    Q_OBJECT
public:
    explicit TMsgPanel(QWidget* parent = nullptr);
    QSize sizeHint() const override;

    QPlainTextEdit* Memo1;
};
