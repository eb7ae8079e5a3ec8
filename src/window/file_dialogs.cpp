#include "window/file_dialogs.h"

#include "app/errors.h"
#include "files/data_file_writer.h"
#include "files/plot_file.h"
#include "files/session_file.h"
#include "platform/desktop.h"
#include "window/command_groups.h"
#include "app/commands.h"
#include "window/file_commands.h"

namespace kvx {

namespace {

struct FileKind {
    const char* description;
    const char* patterns;
    const char* extension;
};

FileKind kindOf(int16_t code)
{
    if (code & FILE_PLOT) {
        return {"Kurvex Plot Files (*.plt)", "*.plt", "plt"};
    }
    if (code & FILE_SESSION) {
        return {"Kurvex Session Files (*.ses)", "*.ses", "ses"};
    }
    return {"Kurvex Data Files (*.dat, *.txt, *.csv, *.asc)", "*.dat;*.txt;*.csv;*.asc", "dat"};
}

const char* dialogTitle(int16_t code)
{
    switch (code) {
    case FILE_ADD + FILE_DATA: return "Add Data";
    case FILE_OPEN + FILE_DATA: return "Open Data";
    case FILE_ADD + FILE_PLOT: return "Add Plot";
    case FILE_OPEN + FILE_PLOT: return "Open Plot";
    case FILE_ADD + FILE_SESSION: return "Add Session";
    case FILE_OPEN + FILE_SESSION: return "Open Session";
    case FILE_SAVE + FILE_DATA: return "Save Data";
    case FILE_SAVE + FILE_PLOT: return "Save Plot";
    case FILE_SAVE + FILE_SESSION: return "Save Session";
    default: return "";
    }
}

// An embedding program that takes this kind of command over gets it instead
// of a dialog; it reads it from the plot's file state.
bool handedOver(Plot& plot, int16_t code, int16_t action)
{
    const int16_t mask = plot.settings().fileCommandMask;
    const auto kind = static_cast<int16_t>(code & (FILE_DATA | FILE_PLOT | FILE_SESSION));
    if ((mask & action) && (mask & kind)) {
        plot.files().pendingFileCommand = code;
        return true;
    }
    return false;
}

std::string proposal(Plot& plot, std::string_view extension)
{
    return Desktop::current().workingDirectory() + "/" + plot.windowTitle() + "." + std::string(extension);
}

FileDialogRequest dialogFor(Plot& plot, int16_t code, bool save)
{
    const FileKind kind = kindOf(code);
    FileDialogRequest request;
    request.owner = plot.nativeWindow();
    request.title = dialogTitle(code);
    request.filters = {{kind.description, kind.patterns}, {"All Files (*.*)", "*.*"}};
    request.proposal = proposal(plot, kind.extension);
    request.save = save;
    request.defaultExtension = kind.extension;
    return request;
}

bool writeFailed(Plot& plot, const std::string& path, const std::string& reason)
{
    warnWriteFailure(plot, path, reason);
    return false;
}

}  // namespace

void warnWriteFailure(Plot& plot, const std::string& path, const std::string& reason)
{
    reportError(ERR_FILE_FAILURE, "\n" + path + " !\n" + reason, true, plot.nativeWindow());
}

bool openWithDialog(Plot& plot, int16_t code)
{
    if (handedOver(plot, code, static_cast<int16_t>(code & (FILE_OPEN | FILE_ADD)))) {
        return true;
    }
    const std::optional<std::string> path = Desktop::current().askFileName(dialogFor(plot, code, false));
    return path && openFile(plot, *path, code);
}

bool saveWithDialog(Plot& plot, int16_t code)
{
    if (handedOver(plot, code, FILE_SAVE)) {
        return true;
    }
    const std::optional<std::string> path = Desktop::current().askFileName(dialogFor(plot, code, true));
    return path && saveByPath(plot, *path, code);
}

SessionPlots sessionPlots(const SessionList& list)
{
    SessionPlots session{{}, list.focusOrder()};
    for (int i = 0; i < list.count(); ++i) {
        // Every window of the session list is a plot window.
        session.plots.emplace_back(dynamic_cast<Plot&>(*list.windowOf(list.numberAt(i))));
    }
    return session;
}

bool writeByPath(Plot& plot, const std::string& path, int16_t code, std::string& failedPath, std::string& reason,
                 const ReplaceQuestion& mayReplace)
{
    const std::string base = basePath(path);
    if (code & FILE_DATA) {
        failedPath = splitPath(path).hasExtension() ? path : base + "dat";
        return writeData(plot, failedPath, &reason);
    }
    if (code & FILE_PLOT) {
        // The plot file records the read mode that its data were written in:
        // the two are written together or not at all.
        return writePlotWithData(plot, base + "plt", base + "dat", &failedPath, &reason);
    }
    if (code & FILE_SESSION) {
        return writeSession(sessionPlots(sessionList()), base + "ses", &failedPath, &reason, mayReplace);
    }
    return true;
}

namespace {

// Asks once whether a session save may replace `files`, which the session
// does not name.
bool askToReplace(Plot& plot, const std::string& session, const std::vector<std::string>& files)
{
    constexpr std::size_t listed = 12;
    MessageBoxRequest box;
    box.text = "These files are not part of the session\n" + session + " :\n";
    for (std::size_t i = 0; i < files.size() && i < listed; ++i) {
        box.text += "\n" + files[i];
    }
    if (files.size() > listed) {
        box.text += "\n... and " + std::to_string(files.size() - listed) + " more";
    }
    box.text += "\n\nReally want to replace them ?";
    box.caption = "Kurvex";
    box.icon = BoxIcon::Question;
    box.buttons = BoxButtons::YesNo;
    box.owner = plot.nativeWindow();
    return Desktop::current().showMessageBox(box) == BoxResult::Yes;
}

}  // namespace

bool saveByPath(Plot& plot, const std::string& path, int16_t code)
{
    std::string failed;
    std::string reason;
    bool declined = false;
    const ReplaceQuestion ask = [&](const std::vector<std::string>& files) {
        declined = !askToReplace(plot, basePath(path) + "ses", files);
        return !declined;
    };
    return writeByPath(plot, path, code, failed, reason, ask) || (!declined && writeFailed(plot, failed, reason));
}

namespace {

std::optional<std::string> askOwnFileName(Plot& plot, std::string_view title, std::string_view description,
                                          std::string_view extension, bool propose, bool save,
                                          const std::vector<FileFilter>& more)
{
    const std::string pattern = "*." + std::string(extension);
    FileDialogRequest request;
    request.owner = plot.nativeWindow();
    request.title = std::string(title);
    request.filters = {{std::string(description) + " (" + pattern + ")", pattern}, {"All Files (*.*)", "*.*"}};
    request.filters.insert(request.filters.end(), more.begin(), more.end());
    request.proposal = propose ? proposal(plot, extension) : std::string();
    request.save = save;
    request.defaultExtension = std::string(extension);
    return Desktop::current().askFileName(request);
}

}  // namespace

std::optional<std::string> askSaveFileName(Plot& plot, std::string_view title, std::string_view description,
                                           std::string_view extension, bool propose,
                                           const std::vector<FileFilter>& more)
{
    return askOwnFileName(plot, title, description, extension, propose, true, more);
}

std::optional<std::string> askOpenFileName(Plot& plot, std::string_view title, std::string_view description,
                                           std::string_view extension, bool propose)
{
    return askOwnFileName(plot, title, description, extension, propose, false, {});
}

CommandOutcome fileCommand(Plot& plot, uint16_t command)
{
    switch (command) {
    case CMD_DATA_FILE_ADD: openWithDialog(plot, FILE_ADD + FILE_DATA); break;
    case CMD_PLOT_FILE_ADD: openWithDialog(plot, FILE_ADD + FILE_PLOT); break;
    case CMD_SESSION_FILE_ADD: openWithDialog(plot, FILE_ADD + FILE_SESSION); break;
    case CMD_DATA_FILE_OPEN: openWithDialog(plot, FILE_OPEN + FILE_DATA); break;
    case CMD_PLOT_FILE_OPEN: openWithDialog(plot, FILE_OPEN + FILE_PLOT); break;
    case CMD_SESSION_FILE_OPEN: openWithDialog(plot, FILE_OPEN + FILE_SESSION); break;
    case CMD_DATA_FILE_SAVE: saveWithDialog(plot, FILE_SAVE + FILE_DATA); break;
    case CMD_PLOT_FILE_SAVE: saveWithDialog(plot, FILE_SAVE + FILE_PLOT); break;
    case CMD_SESSION_FILE_SAVE: saveWithDialog(plot, FILE_SAVE + FILE_SESSION); break;
    default: return CommandOutcome::NotMine;
    }
    return CommandOutcome::Done;
}

}  // namespace kvx
