#pragma once
// The port selection panel every port-list page embeds: one tab sheet per switch unit, one
// numbered check box per port. A page binds its port-list object to CheckBoxes() through the
// binding's check-box group (BindBitList, bit k = box k); the panel knows nothing of SNMP.
//
//   auto* ports = new TStackingPortUitForm(this);
//   ports->setParent(portsBox); // then fill it and show it
//   ports->AddUnitSheet("Unit1", 1, 32, 12);
//   ports->ShowUnit("1", "KSW-7116", PortCountOfModel("KSW-7116"), 12);
//   binding->BindBitList(var, StackingPortBitList(32), ports->CheckBoxes().mid(0, 32));

#include <QList>
#include <QString>
#include <QWidget>

#include "catalogue/model.h"

class QCheckBox;
class QTabWidget;

class TStackingPortUitForm : public QWidget {
    Q_OBJECT

public:
    explicit TStackingPortUitForm(QWidget* owner);

    // A sheet with its tab hidden, holding boxCount hidden, unchecked boxes captioned 1 to
    // boxCount in columnCount columns (10 whenever "DeviceInfo.ini" is in the working directory).
    void AddUnitSheet(const QString& caption, int firstPort, int boxCount, int columnCount);
    // Shows the sheet of unit `unit` (1 for the first sheet added) captioned with the model name,
    // and the first portCount boxes of that unit. The column count stays as the sheet was laid out.
    void ShowUnit(const QString& unit, const QString& modelName, int portCount, int columnCount);

    void Clear();
    void DisableAll();
    void EnableAll();

    // Every box in creation order: entry k is port k + 1 of unit 1, then unit 2's boxes follow.
    const QList<QCheckBox*>& CheckBoxes() const { return checkBoxes_; }
    const QList<QWidget*>& Sheets() const { return sheets_; }
    QTabWidget* UnitPageControl() const { return unitPageControl_; }
    int FirstPortOfSheet(int sheet) const { return firstPorts_.value(sheet); }

private:
    QTabWidget* unitPageControl_;
    QList<QWidget*> sheets_;
    QList<QCheckBox*> checkBoxes_;
    QList<int> firstBoxOfSheet_;
    QList<int> boxCountOfSheet_;
    QList<int> firstPorts_;
    QList<QString> captions_;
};

// "0,1,...,count-1": the bit list that binds box k to bit k.
QString StackingPortBitList(int count);
