#pragma once

#include <QString>
#include <filesystem>

#include "gui/FrmMain.h"
#include "gui/QueryPresenter.h"
#include "query/Query.h"
#include "query/QuerySession.h"

namespace busquery::gui {

// The running program: the data it answers from, its one window and the query command, all in
// one interface language.
class Program {
  public:
    Program(std::filesystem::path dataFile, Notifier notifier,
            const QString& site = QString::fromLatin1(kSiteAddress),
            Language language = Language::Chinese);

    FrmMain& window() { return window_; }
    const QueryPresenter& command() const { return command_; }

    // Loads the window, shows it centred on the screen, and then tells the traveller about a
    // data file that cannot be used.
    void start();

  private:
    QuerySession session_;
    Query query_;  // one for the window's suggestions and its queries
    FrmMain window_;
    QueryPresenter command_;
};

}  // namespace busquery::gui
