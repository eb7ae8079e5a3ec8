#include "window/print_commands.h"

#include <memory>
#include <vector>

#include "app/session_list.h"
#include "model/plot_busy.h"
#include "platform/desktop.h"
#include "render/output_dress.h"
#include "render/print_page.h"
#include "window/command_groups.h"
#include "app/commands.h"
#include "window/print_abort.h"
#include "window/user_messages.h"

namespace kvx {

bool printPlot(Plot& plot, int16_t mode, double factor)
{
    std::unique_ptr<PrintJob> job = Desktop::current().startPrintJob(printDocumentName(plot));
    if (!job) {
        warnUser(plot, "No default printer available!");
        return true;
    }
    PrintAbort abort(plot);
    const PrintResult result = printPage(plot, *job, mode, factor, plot.clientWidth(), plot.clientHeight(),
                                         [&abort] { return abort.keepGoing(); });
    return result != PrintResult::Printed;
}

void printSession(int16_t mode, double factor)
{
    // By number: the windows of the session keep working while one prints,
    // and one of them may close before its turn.
    SessionList& list = sessionList();
    std::vector<int16_t> numbers;
    for (int i = 0; i < list.count(); ++i) {
        numbers.push_back(list.numberAt(i));
    }
    for (const int16_t number : numbers) {
        if (auto* plot = static_cast<Plot*>(list.windowOf(number))) {
            printPlot(*plot, mode, factor);
        }
    }
}

CommandOutcome printCommand(Plot& plot, uint16_t command)
{
    const double factor = plot.settings().printFactor;
    switch (command) {
    case CMD_PRINT_BLACK_WHITE: printPlot(plot, OUTPUT_BLACK_WHITE, factor); break;
    case CMD_PRINT_COLORED: printPlot(plot, OUTPUT_COLORED, factor); break;
    case CMD_SESSION_PRINT_BLACK_WHITE:
    case CMD_SESSION_PRINT_COLORED: {
        // The other plots print while this window stays open to the user's
        // messages; held busy, it cannot be closed under the command.
        const PlotBusy busy(plot);
        printSession(command == CMD_SESSION_PRINT_COLORED ? OUTPUT_COLORED : OUTPUT_BLACK_WHITE, factor);
        break;
    }
    default: return CommandOutcome::NotMine;
    }
    return CommandOutcome::Repaint;
}

}  // namespace kvx
