#include "help_frame_commands.h"

#include <QDesktopServices>
#include <QUrl>

#include "app_ids.h"
#include "copy_file.h"
#include "frame_commands.h"
#include "main_frame.h"
#include "plat/files.h"
#include "plat/resource_strings.h"
#include "string_ids.h"
#include "ui/prompts.h"

namespace {

HelpOpener& Opener() {
    static HelpOpener opener;
    return opener;
}

bool OpenInBrowser(const std::string& path) {
    if (Opener()) return Opener()(path);
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

void ShowHelp(CMainFrame& frame, const std::string& programDir) {
    const std::string page = programDir + plat::LoadResString(ids::HELP_FILE);
    if (plat::GetPathKind(page) != plat::PathKind::File || !OpenInBrowser(page)) {
        ui::MessageBoxById(&frame, ids::HELP_NOT_OPENED, ui::MB_OK | ui::MB_ICONEXCLAMATION, {page});
    }
}

void CopyFileIntoProgramDirectory(CMainFrame& frame, const std::string& programDir) {
    ui::FileDialogRequest request;
    request.title = plat::LoadResString(ids::COPY_FILE_TITLE);
    request.filter = plat::LoadResString(ids::COPY_FILE_FILTER);
    request.mustExist = true;
    const std::optional<std::string> source = ui::CurrentPrompts().OpenFile(&frame, request);
    if (!source) return;
    const std::string target = CopyTargetPath(*source, programDir);
    if (plat::GetPathKind(target) != plat::PathKind::Missing) {
        // A file onto itself is refused before the question, which would
        // otherwise promise to replace it.
        if (IsSameFile(*source, target)) {
            ui::MessageBoxById(&frame, ids::COPY_FILE_SAME, ui::MB_OK | ui::MB_ICONEXCLAMATION, {target});
            return;
        }
        if (ui::MessageBoxById(&frame, ids::COPY_FILE_REPLACE, ui::MB_YESNO | ui::MB_DEFBUTTON2 | ui::MB_ICONEXCLAMATION,
                               {target}) != ui::IDYES) {
            return;
        }
    }
    const bool copied = CopyFileInto(*source, target, nullptr);
    ui::MessageBoxById(&frame, copied ? ids::COPY_FILE_DONE : ids::COPY_FILE_FAILED,
                       ui::MB_OK | (copied ? ui::MB_ICONINFORMATION : ui::MB_ICONSTOP), {programDir});
}

}  // namespace

void SetHelpOpener(HelpOpener opener) { Opener() = std::move(opener); }

void RegisterHelpFrameCommands(CMainFrame& frame) {
    frame.FrameCommands().Set(app_ids::ID_HELP, {[&frame] { ShowHelp(frame, frame.ProgramDir()); }, {}, {}});
    frame.FrameCommands().Set(app_ids::ID_COPY_FILE,
                              {[&frame] { CopyFileIntoProgramDirectory(frame, frame.ProgramDir()); }, {}, {}});
}
