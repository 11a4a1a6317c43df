#include "StoreGenerator.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

// consulta-demo PASTA: writes the demo store and its two configuration files into a
// terminal folder, keeping whatever is already there.
namespace {

enum class Outcome { Written, Kept, Failed };

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

bool kept(const QString &path)
{
    if (!QFileInfo::exists(path))
        return false;
    out() << "Mantido: " << path << " (já existia)" << Qt::endl;
    return true;
}

bool folderWritable(const QDir &folder, const QString &path)
{
    if (QFileInfo(folder.absolutePath()).isWritable())
        return true;
    err() << "Erro: a pasta " << folder.absolutePath() << " não permite gravação; " << path << " não foi criado." << Qt::endl;
    return false;
}

// The configuration files travel inside the program, in their own bytes (Windows-1252, CRLF).
Outcome writeShippedFile(const QDir &folder, const QString &name)
{
    const QString path = folder.filePath(name);
    if (kept(path))
        return Outcome::Kept;
    if (!folderWritable(folder, path))
        return Outcome::Failed;
    QFile source(QStringLiteral(":/demo/") + name);
    if (!source.open(QIODevice::ReadOnly)) {
        err() << "Erro: o programa não traz o arquivo " << name << '.' << Qt::endl;
        return Outcome::Failed;
    }
    const QByteArray bytes = source.readAll();
    QFile target(path);
    if (!target.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        err() << "Erro: não foi possível criar " << path << ": " << target.errorString() << Qt::endl;
        return Outcome::Failed;
    }
    if (target.write(bytes) != bytes.size() || !target.flush()) {
        err() << "Erro: não foi possível gravar " << path << ": " << target.errorString() << Qt::endl;
        target.remove();
        return Outcome::Failed;
    }
    out() << "Gravado: " << path << Qt::endl;
    return Outcome::Written;
}

// The demo store, unless the folder has a store already.
Outcome writeStore(const QDir &folder)
{
    const QString path = folder.filePath(QStringLiteral("consulta.db"));
    if (kept(path)) {
        err() << "Aviso: " << path << " já existe e não foi alterado; apague-o para criar a loja de demonstração de novo."
              << Qt::endl;
        return Outcome::Kept;
    }
    if (!folderWritable(folder, path))
        return Outcome::Failed;

    const demo::StoreSize size;
    QString error;
    if (!demo::StoreGenerator(size, demo::StoreGenerator::kDemoSeed, QDateTime::currentDateTime()).writeFile(path, &error)) {
        err() << "Erro: não foi possível criar " << path << ": " << error << Qt::endl;
        return Outcome::Failed;
    }
    out() << "Gravado: " << path << " (loja de demonstração com " << size.products << " produtos, " << size.linkedBarcodes
          << " códigos de barras vinculados e " << size.customers << " clientes)" << Qt::endl;
    return Outcome::Written;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        err() << "Uso: consulta-demo PASTA" << Qt::endl
              << "Grava na PASTA a loja de demonstração (consulta.db) e as configurações Consulta.INI e "
                 "EtiquetaArmazena.INI; os arquivos que já existem são mantidos."
              << Qt::endl;
        return 2;
    }
    const QFileInfo folderInfo(arguments.at(1));
    if (!folderInfo.isDir()) {
        err() << "Erro: a pasta " << folderInfo.absoluteFilePath() << " não existe." << Qt::endl;
        return 1;
    }
    const QDir folder(folderInfo.absoluteFilePath());
    const Outcome outcomes[] = {writeShippedFile(folder, QStringLiteral("Consulta.INI")),
                                writeShippedFile(folder, QStringLiteral("EtiquetaArmazena.INI")),
                                writeShippedFile(folder, QStringLiteral("logo.png")), writeStore(folder)};
    return std::find(std::begin(outcomes), std::end(outcomes), Outcome::Failed) != std::end(outcomes) ? 1 : 0;
}
