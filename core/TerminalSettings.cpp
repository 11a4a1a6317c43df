#include "TerminalSettings.h"

#include "IniFile.h"
#include "LayoutKeys.h"
#include "TDMSqls.h"
#include "platform/Messages.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

namespace {

const QString kConsulta = QStringLiteral("CONSULTA");

std::optional<int> wholeNumber(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

} // namespace

TerminalSettings::TerminalSettings(const QString &exeDir)
    : ExeDir(QDir(exeDir).absolutePath() + QDir::separator())
{
}

QString TerminalSettings::layoutSection(const QString &modelo, const QString &kind)
{
    const QString section = kind.trimmed().isEmpty() ? modelo : modelo + QLatin1Char(' ') + kind;
    return section.toUpper();
}

TerminalSettings::LoadResult TerminalSettings::IniVar(const QString &kind, TDMSqls &dm)
{
    const QString path = QDir(ExeDir).filePath(QStringLiteral("Consulta.INI"));
    if (!QFileInfo::exists(path)) {
        platform::showMessage(QStringLiteral("Arquivo de Configuração não encontrado !"),
                              platform::MessageIcon::None);
        dm.close(DbConnection::Server);
        return LoadResult::MissingFile;
    }
    const IniFile ini(path);
    const auto read = [&](const QString &key, const QString &defaultValue = {}) {
        return ini.value(kConsulta, key, defaultValue);
    };

    Biometria = read(QStringLiteral("Biometria"), QStringLiteral("NAO")).toUpper() == QStringLiteral("SIM");
    const auto loja = wholeNumber(read(QStringLiteral("Lojas"), QStringLiteral("1")));
    if (!loja)
        return LoadResult::Stopped;
    CodLoja = *loja;
    if (!dm.openStore(CodLoja))
        return LoadResult::Stopped;

    ProdutoPromocaoGondola = read(QStringLiteral("ProdutoPromocaoGondola"), QStringLiteral("NAO")).toUpper();
    Custo = read(QStringLiteral("Custo"), QStringLiteral("NAO")).toUpper();
    Pontos = read(QStringLiteral("Pontos"), QStringLiteral("NAO")).toUpper();
    Saldo = read(QStringLiteral("Saldo"), QStringLiteral("NAO")).toUpper();
    Etiqueta = read(QStringLiteral("Etiqueta")).toUpper();
    Modelo = read(QStringLiteral("Modelo")).toUpper();
    Caminho = read(QStringLiteral("Caminho")).toUpper();

    return readLayout(ini, layoutSection(Modelo, kind)) ? LoadResult::Loaded : LoadResult::Stopped;
}

bool TerminalSettings::readLayout(const IniFile &ini, const QString &section)
{
    for (const QString &key : layoutKeys()) {
        if (key == QLatin1String("Colunas") || key == QLatin1String("DistanciaV")) {
            const auto number = wholeNumber(ini.value(section, key, key == QLatin1String("Colunas")
                                                                        ? QStringLiteral("1")
                                                                        : QStringLiteral("0")));
            if (!number)
                return false;
            (key == QLatin1String("Colunas") ? Colunas : DistanciaV) = *number;
            continue;
        }
        const QString value = ini.value(section, key).toUpper();
        if (key == QLatin1String("TamDes")) {
            // A value that is not a whole number keeps the previous one; reading goes on.
            if (value.trimmed().isEmpty())
                TamDes = 0;
            else if (const auto number = wholeNumber(value))
                TamDes = *number;
        }
        m_layout.insert(key, value);
    }
    return true;
}

QString TiraAcento(const QString &text)
{
    static const QString accented = QStringLiteral("àâêôûãõáéíóúçüÀÂÊÔÛÃÕÁÉÍÓÚÇÜ");
    static const QString plain = QStringLiteral("aaeouaoaeioucuAAEOUAOAEIOUCU");
    QString result = text;
    for (QChar &ch : result) {
        const qsizetype index = accented.indexOf(ch);
        if (index >= 0)
            ch = plain.at(index);
    }
    return result;
}
