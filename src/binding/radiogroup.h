#pragma once
// A group of radio buttons with a caption, items and an item index, as pages use it.

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QVBoxLayout;

class QxRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit QxRadioGroup(QWidget* parent = nullptr);

    QStringList Items() const { return items_; }
    void SetItems(const QStringList& items);
    void ClearItems();
    void AddItem(const QString& text);
    // -1 when nothing is selected.
    int ItemIndex() const;
    void SetItemIndex(int index);
    QString SelectedText() const;

signals:
    // The user chose an item.
    void Clicked();

private:
    void Rebuild();
    QStringList items_;
    QButtonGroup* buttons_;
    QVBoxLayout* layout_;
};
