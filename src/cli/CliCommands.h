#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class Tdm;

// Exit codes of zentoria-cli.
constexpr int CliOk = 0;
constexpr int CliUsage = 1;
constexpr int CliStoreError = 2;
constexpr int CliExportError = 3;
constexpr int CliPrintError = 4;

// What a command gets: the table directory, its own arguments (after the
// command word, --dir removed) and the data module, opened on first use.
class CliContext {
public:
    CliContext(QString dir, QStringList args);
    ~CliContext();

    const QString Dir;
    const QStringList Args;

    // nullptr after printing the German error; the command then returns CliStoreError.
    Tdm* Tables();

private:
    std::unique_ptr<Tdm> Dm;
};

// One command: its word, its German usage line and the function running it.
struct CliCommand {
    const char* Name;
    const char* Usage;
    int (*Run)(CliContext& context);
};

// The commands, one function in a file of its own each (CliList.cpp, …).
int CliList(CliContext& context);
int CliExport(CliContext& context);
int CliPrint(CliContext& context);
int CliPrintTable(CliContext& context);

class TPrintEngine;
// Options of the print commands (PrintCommand.cpp).
QString TakeOption(QStringList& args, const QString& option);
// The engine's pages into one PDF file; an exit code.
int PrintToPdf(TPrintEngine& engine, const QString& file, const QString& title);
int CliScan(CliContext& context);
int CliZuglauf(CliContext& context);
int CliFahrdienst(CliContext& context);
int CliBahnhofsfahrplan(CliContext& context);

// UTF-8 output whatever the locale says.
void CliOut(const QString& line);
void CliErr(const QString& line);

// Runs a whole command line (without the program name); `programDir` is the
// default table directory.
int RunCli(const QStringList& args, const QString& programDir);
