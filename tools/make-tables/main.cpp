// make-tables: writes the ten table files that ship beside the program.

#include "store/TableFiles.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

void Print(std::FILE* stream, const QString& text) {
    const QByteArray utf8 = text.toUtf8() + '\n';
    std::fwrite(utf8.constData(), 1, size_t(utf8.size()), stream);
}

const QString Usage =
    u"Aufruf: make-tables [--sample] [--missing-only] VERZEICHNIS\n"
    u"  --sample        auch Beispiel-Bahnhöfe und einen Beispielfahrplan schreiben\n"
    u"  --missing-only  vorhandene Dateien stehen lassen, nur fehlende anlegen"_s;

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    bool sample = false;
    bool missingOnly = false;
    QString dir;
    const QStringList args = app.arguments().mid(1);
    for (const QString& arg : args) {
        if (arg == u"--sample"_s) {
            sample = true;
        } else if (arg == u"--missing-only"_s) {
            missingOnly = true;
        } else if (arg == u"--help"_s || arg == u"-h"_s) {
            Print(stdout, Usage);
            return 0;
        } else if (arg.startsWith(u'-') || !dir.isEmpty()) {
            Print(stderr, u"Unbekanntes Argument „%1“.\n"_s.arg(arg) + Usage);
            return 1;
        } else {
            dir = arg;
        }
    }
    if (dir.isEmpty()) {
        Print(stderr, Usage);
        return 1;
    }
    QStringList created;
    QString error;
    if (!WriteTableFiles(dir, sample, missingOnly, created, error)) {
        Print(stderr, u"make-tables: "_s + error);
        return 2;
    }
    for (const QString& file : std::as_const(created))
        Print(stdout, u"angelegt: "_s + file);
    return 0;
}
