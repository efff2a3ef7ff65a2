#include "cli/CliCommands.h"

#include "store/Tdm.h"

#include <cstdio>
#include <iterator>

using namespace Qt::StringLiterals;

namespace {

const CliCommand Commands[] = {
    {"list", "list                  gespeicherte Fahrpläne auflisten (REFPLAN<TAB>NAME)", CliList},
    {"export",
     "export PLAN DATEI [--bw]  Fahrplanbild als .bmp oder .jpg schreiben (--bw: schwarzweiß)",
     CliExport},
    {"print",
     "print PLAN --pdf DATEI [--fit] [--bw]  Fahrplan als PDF drucken (1:1 oder --fit: Seite "
     "angepaßt)",
     CliPrint},
    {"print-table",
     "print-table zuglauf|fahrdienst|bahnhofsfahrplan|fehlerliste PLAN --pdf DATEI "
     "[--train NAME] [--station NAME] [--sort ...] [--typ ...]  Liste als PDF drucken",
     CliPrintTable},
    {"scan", "scan PLAN             Fahrplan auf Fehler scannen (Spalten der Fehlerliste)",
     CliScan},
    {"zuglauf", "zuglauf PLAN [--train NAME]  Zuglauf aller Züge oder eines Zuges", CliZuglauf},
    {"fahrdienst",
     "fahrdienst PLAN --station NAME [--sort zugnamen|ankunft|abfahrt]  Fahrdienstleiter",
     CliFahrdienst},
    {"bahnhofsfahrplan",
     "bahnhofsfahrplan PLAN --station NAME --typ ankunft|abfahrt  Bahnhofsfahrplan (hh:mm)",
     CliBahnhofsfahrplan},
};

void Write(std::FILE* stream, const QString& line) {
    const QByteArray utf8 = line.toUtf8() + '\n';
    std::fwrite(utf8.constData(), 1, size_t(utf8.size()), stream);
}

QString UsageText() {
    QString text =
        u"Aufruf: zentoria-cli [--dir VERZEICHNIS] BEFEHL [ARGUMENTE]\n"
        u"  --dir VERZEICHNIS     Verzeichnis der Tabellen (Vorgabe: das des Programms)\n"
        u"Befehle:"_s;
    for (const CliCommand& command : Commands)
        text += u"\n  "_s + QString::fromUtf8(command.Usage);
    return text;
}

} // namespace

CliContext::CliContext(QString dir, QStringList args)
    : Dir(std::move(dir)), Args(std::move(args)) {}

CliContext::~CliContext() = default;

Tdm* CliContext::Tables() {
    if (!Dm) {
        QString error;
        Dm = Tdm::Open(Dir, error);
        if (!Dm)
            CliErr(u"zentoria-cli: "_s + error);
    }
    return Dm.get();
}

void CliOut(const QString& line) {
    Write(stdout, line);
}

void CliErr(const QString& line) {
    Write(stderr, line);
}

int RunCli(const QStringList& args, const QString& programDir) {
    QString dir = programDir;
    QStringList rest;
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == u"--dir"_s) {
            if (i + 1 >= args.size()) {
                CliErr(u"zentoria-cli: --dir verlangt ein Verzeichnis.\n"_s + UsageText());
                return CliUsage;
            }
            dir = args[++i];
        } else if (arg.startsWith(u"--dir="_s)) {
            dir = arg.mid(6);
        } else if (arg == u"--help"_s || arg == u"-h"_s) {
            CliOut(UsageText());
            return CliOk;
        } else {
            rest << arg;
        }
    }
    if (rest.isEmpty()) {
        CliErr(UsageText());
        return CliUsage;
    }
    const QString word = rest.takeFirst();
    for (const CliCommand& command : Commands) {
        if (word == QString::fromUtf8(command.Name)) {
            CliContext context(dir, rest);
            return command.Run(context);
        }
    }
    CliErr(u"zentoria-cli: Unbekannter Befehl „%1“.\n"_s.arg(word) + UsageText());
    return CliUsage;
}
