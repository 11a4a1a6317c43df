#include "BenchFigures.h"
#include "ScreenBench.h"

#include "core/TDMSqls.h"
#include "core/TfmConsProd.h"
#include "platform/Messages.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>

#include <sqlite3.h>

#include <map>

// bench-search FOLDER [REPETITIONS]: search-as-you-type on the real lookup screen over the
// store in FOLDER. Words are typed into the search panel a letter at a time; each
// keystroke's work (the search and the first rows in the grid's model; painting comes
// after and is not counted) is measured, next to a bare LIKE '%...%' scan of the same text
// through SQLite's own LIKE on the same file.
namespace {

// Common goods hit tens of thousands of products in a large store, rare ones a few hundred
// or fewer, and a text that no product has makes every scan go to the end.
enum class Kind { Common, Rare, Absent };

struct Word {
    QString text;
    Kind kind;
};

const QList<Word> kWords = {
    {QStringLiteral("QUEIJO"), Kind::Common}, {QStringLiteral("SABONE"), Kind::Common},
    {QStringLiteral("BISCOI"), Kind::Common}, {QStringLiteral("CHOCOL"), Kind::Common},
    {QStringLiteral("ESFIHA"), Kind::Rare},   {QStringLiteral("ORLOFF"), Kind::Rare},
    {QStringLiteral("PONKAN"), Kind::Rare},   {QStringLiteral("TILÁPI"), Kind::Rare}, // accent inside the text
    {QStringLiteral("XWYKZQ"), Kind::Absent},
};

// A full scan with SQLite's built-in LIKE on a connection of its own, to the last match.
class BareScan {
public:
    explicit BareScan(const QString &path)
    {
        if (sqlite3_open_v2(path.toUtf8().constData(), &m_db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK
            || sqlite3_prepare_v2(m_db, "SELECT COD_PROD FROM PRODUTO WHERE DESCRICAO LIKE ?1 AND CHK_ATIVO = 'T'", -1,
                                  &m_statement, nullptr) != SQLITE_OK)
            qFatal("cannot open %s", qPrintable(path));
    }
    ~BareScan()
    {
        sqlite3_finalize(m_statement);
        sqlite3_close_v2(m_db);
    }
    qint64 products()
    {
        sqlite3_stmt *count = nullptr;
        sqlite3_prepare_v2(m_db, "SELECT max(COD_PROD) FROM PRODUTO", -1, &count, nullptr);
        const qint64 value = sqlite3_step(count) == SQLITE_ROW ? sqlite3_column_int64(count, 0) : 0;
        sqlite3_finalize(count);
        return value;
    }
    int run(const QString &text)
    {
        const QByteArray pattern = ('%' + text + '%').toUtf8();
        sqlite3_bind_text(m_statement, 1, pattern.constData(), int(pattern.size()), SQLITE_STATIC);
        int rows = 0;
        while (sqlite3_step(m_statement) == SQLITE_ROW)
            ++rows;
        sqlite3_reset(m_statement);
        return rows;
    }

private:
    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_statement = nullptr;
};

void press(QWidget *widget, int key, const QString &text = {})
{
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &event);
}

void typeLetter(QWidget *widget, QChar letter)
{
    const bool ascii = letter >= QLatin1Char('A') && letter <= QLatin1Char('Z');
    press(widget, ascii ? Qt::Key_A + (letter.unicode() - 'A') : Qt::Key_unknown, QString(letter));
}

QString kindName(Kind kind)
{
    switch (kind) {
    case Kind::Common: return QStringLiteral("common");
    case Kind::Rare: return QStringLiteral("rare");
    case Kind::Absent: return QStringLiteral("absent");
    }
    return {};
}

} // namespace

int main(int argc, char *argv[])
{
    bench::useOffscreenUnlessSet();
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2) {
        qCritical("usage: bench-search FOLDER [REPETITIONS]");
        return 2;
    }
    const QString folder = QDir(args.at(1)).absolutePath();
    const int repetitions = args.size() > 2 ? args.at(2).toInt() : 20;
    const int bareRepetitions = std::min(repetitions, 5);
    bench::QuietMessages messages;

    BareScan bare(QDir(folder).filePath(QStringLiteral("consulta.db")));
    const qint64 products = bare.products();
    const auto dm = TDMSqls::create(folder);
    if (!dm)
        return 1;
    TfmConsProd screen(*dm, folder);
    screen.show();
    QCoreApplication::processEvents();
    press(screen.codeField(), Qt::Key_Asterisk, QStringLiteral("*"));
    auto *edDesc = screen.findChild<QLineEdit *>(QStringLiteral("edDesc"));
    auto *grProd = screen.findChild<QTableView *>(QStringLiteral("grProd"));
    QCoreApplication::processEvents();

    // Per class of word and letters typed.
    std::map<std::pair<Kind, int>, bench::Samples> keystrokes, scans;
    std::map<Kind, bench::Samples> nextOccurrence;
    int wrongRows = 0;
    for (int repetition = 0; repetition < repetitions; ++repetition) {
        for (const Word &word : kWords) {
            edDesc->clear();
            edDesc->setFocus();
            QCoreApplication::processEvents();
            for (int letters = 1; letters <= word.text.size(); ++letters) {
                const QString typed = word.text.left(letters);
                const qint64 start = bench::now();
                typeLetter(edDesc, word.text.at(letters - 1));
                keystrokes[{word.kind, letters}].add(bench::millisecondsSince(start));
                // The first row must contain what was typed, whatever its case.
                const QAbstractItemModel *list = grProd->model();
                if (list->rowCount() > 0 && !list->index(0, 1).data().toString().contains(typed, Qt::CaseInsensitive))
                    ++wrongRows;
                QCoreApplication::processEvents(); // the grid paints here, between keystrokes
                if (repetition < bareRepetitions) {
                    const qint64 scanStart = bench::now();
                    bare.run(typed);
                    scans[{word.kind, letters}].add(bench::millisecondsSince(scanStart));
                }
            }
            // "+": the ordered list of the whole word; Esc in the grid comes back.
            const qint64 start = bench::now();
            press(edDesc, Qt::Key_Plus, QStringLiteral("+"));
            nextOccurrence[word.kind].add(bench::millisecondsSince(start));
            QCoreApplication::processEvents();
            press(grProd, Qt::Key_Escape);
            QCoreApplication::processEvents();
        }
    }

    bench::tableLine(QStringLiteral("search as you type, %1 products, %2 words typed %3 times (ms per keystroke)")
                         .arg(products)
                         .arg(kWords.size())
                         .arg(repetitions));
    bench::tableLine(QStringLiteral("%1 %2 %3 %4 %5 %6 %7")
                         .arg(QStringLiteral("typed"), -12)
                         .arg(QStringLiteral("p50"), 8)
                         .arg(QStringLiteral("p95"), 8)
                         .arg(QStringLiteral("scan p50"), 9)
                         .arg(QStringLiteral("scan p95"), 9)
                         .arg(QStringLiteral("x p50"), 7)
                         .arg(QStringLiteral("x p95"), 7));
    for (const Kind kind : {Kind::Common, Kind::Rare, Kind::Absent}) {
        for (int letters = 1; letters <= 6; ++letters) {
            const bench::Samples &typed = keystrokes[{kind, letters}];
            const bench::Samples &scan = scans[{kind, letters}];
            const double p50 = typed.percentile(50), p95 = typed.percentile(95);
            const double scan50 = scan.percentile(50), scan95 = scan.percentile(95);
            bench::tableLine(QStringLiteral("%1 %2 %3 %4 %5 %6 %7")
                                 .arg(QStringLiteral("%1, %2").arg(kindName(kind)).arg(letters), -12)
                                 .arg(p50, 8, 'f', 2)
                                 .arg(p95, 8, 'f', 2)
                                 .arg(scan50, 9, 'f', 2)
                                 .arg(scan95, 9, 'f', 2)
                                 .arg(scan50 / p50, 7, 'f', 1)
                                 .arg(scan95 / p95, 7, 'f', 1));
            const QString name = QStringLiteral("search.%1.%2.%3").arg(products).arg(kindName(kind)).arg(letters);
            bench::figure(name + QStringLiteral(".p50"), p50, QStringLiteral("ms"));
            bench::figure(name + QStringLiteral(".p95"), p95, QStringLiteral("ms"));
            bench::figure(name + QStringLiteral(".scan_p50"), scan50, QStringLiteral("ms"));
            bench::figure(name + QStringLiteral(".scan_p95"), scan95, QStringLiteral("ms"));
            bench::figure(name + QStringLiteral(".ratio_p50"), scan50 / p50, QStringLiteral("x"));
            bench::figure(name + QStringLiteral(".ratio_p95"), scan95 / p95, QStringLiteral("x"));
        }
    }
    for (const Kind kind : {Kind::Common, Kind::Rare, Kind::Absent}) {
        const bench::Samples &plus = nextOccurrence[kind];
        bench::tableLine(QStringLiteral("%1 %2 %3   (\"+\": the list ordered by description)")
                             .arg(QStringLiteral("%1, +").arg(kindName(kind)), -12)
                             .arg(plus.percentile(50), 8, 'f', 2)
                             .arg(plus.percentile(95), 8, 'f', 2));
        const QString name = QStringLiteral("search.%1.%2.next_occurrence").arg(products).arg(kindName(kind));
        bench::figure(name + QStringLiteral(".p50"), plus.percentile(50), QStringLiteral("ms"));
        bench::figure(name + QStringLiteral(".p95"), plus.percentile(95), QStringLiteral("ms"));
    }
    if (wrongRows > 0)
        bench::figure(QStringLiteral("search.%1.wrong_first_rows").arg(products), wrongRows, QStringLiteral("keystrokes"));
    bench::figure(QStringLiteral("search.%1.rss").arg(products), bench::residentMegabytes(), QStringLiteral("MB"));
    return 0;
}
