#pragma once

#include <QFrame>
#include <QStringList>

class QComboBox;
class QLineEdit;
class QStandardItemModel;
class QTableView;

// The two driver configuration panels of the gondola label screen. Each writes its choice
// as Driver_Name into its model's gondola section of Consulta.INI; the choice takes effect
// when a label screen next reads the settings.

// The port of a Zebra ZD220 on USB.
class ZebraUsbPortPanel : public QFrame {
    Q_OBJECT

public:
    ZebraUsbPortPanel(const QString &iniPath, QWidget *parent = nullptr);

    // The fixed entries, then the USB printers (the first entry selected), then the
    // installed printers. Any other text can be typed.
    void fillPorts(const QStringList &usbPorts, const QStringList &rawPorts);
    void save();

private:
    QString m_iniPath;
    QComboBox *m_cbPorta = nullptr;
};

// The installed printer that drives an Elgin L42.
class ElginPrinterPanel : public QFrame {
    Q_OBJECT

public:
    ElginPrinterPanel(const QString &iniPath, QWidget *parent = nullptr);

    // One row per installed printer: ID from 1, NOME.
    void fillPrinters(const QStringList &names);
    bool hasPrinter(const QString &name) const;
    void save();

private:
    void showSelectedName();

    QString m_iniPath;
    QLineEdit *m_edNamePrinter = nullptr;
    QStandardItemModel *m_printers = nullptr;
    QTableView *m_grid = nullptr;
};
