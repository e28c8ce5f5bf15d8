#pragma once

#include <QString>
#include <QStringList>
#include <filesystem>
#include <optional>

#include "query/Language.h"

namespace busquery::gui {

// What busquery's command line asks for: the city to open, or an answer that ends the program
// at once (help, version, a usage error).
struct CommandLine {
    std::filesystem::path dataFile;
    std::optional<int> exitStatus;  // set when the program prints output and ends
    QString output;                 // for standard output on status 0, standard error otherwise
    Language language = Language::Chinese;  // the interface's
};

// The interface language the arguments ask for: the one --lang names, else the first of the
// desktop's (uiLanguages, most wanted first) the program speaks, else Chinese. Read before the
// rest, so that help and messages can be put into it; a --lang the program does not speak is
// left for readCommandLine to refuse.
Language commandLineLanguage(const QStringList& arguments, const QStringList& uiLanguages = {});

// Reads the arguments (the program's name first). The city is the file --db names, else the
// one the environment's BUSQUERY_DB names when it is not empty, else the busdata the program
// finds beside itself or in its install. The language is commandLineLanguage's. Help, usage
// errors and the version line are in the translation installed meanwhile; the version names
// the city the file names, when it names one ("Vilnius — busquery 1.0").
CommandLine readCommandLine(const QStringList& arguments, const QString& environmentDb,
                            const QStringList& uiLanguages = {});

}  // namespace busquery::gui
