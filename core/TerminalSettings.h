#pragma once

#include <QHash>
#include <QString>

class TDMSqls;

// The terminal settings read from Consulta.INI: section CONSULTA and the layout section of
// the label kind loaded last. Owned by the main screen; label screens reload them.
class TerminalSettings {
public:
    enum class LoadResult { Loaded, Stopped, MissingFile };

    explicit TerminalSettings(const QString &exeDir);

    // (Re)loads everything for a label kind ("GONDOLA", "PRECO", "PRODUCAO"). A missing file
    // shows its message and closes the server connection; a bad whole number or a store row
    // that cannot be read stops the reading silently where it happened.
    LoadResult IniVar(const QString &kind, TDMSqls &dm);

    // The layout section name for a model and a kind.
    static QString layoutSection(const QString &modelo, const QString &kind);

    // Text value of a layout key ("LinhaDes", "Porta", ...); empty when not set.
    QString layout(const QString &key) const { return m_layout.value(key); }

    QString ExeDir;
    bool Biometria = false;
    int CodLoja = 0;
    QString ProdutoPromocaoGondola;
    QString Custo;
    QString Pontos;
    QString Saldo;
    QString Etiqueta;
    QString Modelo;
    QString Caminho;
    QString LogoPath;
    int Colunas = 0;
    int DistanciaV = 0;
    int TamDes = 0;

private:
    bool readLayout(const class IniFile &ini, const QString &section);

    QHash<QString, QString> m_layout;
};

// Replaces accented letters with plain ones, as the label printers want their text.
QString TiraAcento(const QString &text);
