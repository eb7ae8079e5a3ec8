#include "editions/conconi_edition.h"

#include "app/errors.h"
#include "editions/application.h"
#include "editions/conconi_file.h"
#include "editions/opened_windows.h"
#include "platform/desktop.h"
#include "settings/keywords.h"
#include "window/file_commands.h"

namespace kvx {

namespace {

// Long enough that an idle loop costs next to nothing, short enough that
// the loop looks at its work again soon even if no message woke it.
constexpr int idleWaitMilliseconds = 50;

}  // namespace

void setConconiDefaults()
{
    setDefaultParameter("showPoints", SHOW);
    setDefaultParameter("numSubTicks", 5.0);
}

std::unique_ptr<PlotHandle> makeConconiPlot()
{
    auto handle = std::make_unique<PlotHandle>("Conconi Test");
    handle->setLables("Velocity  [ km/h ]", "Heart Beat  [ 1/min ]", "Conconi Test");
    handle->setRange(8.0, 20.0, 120.0, 200.0, true);
    handle->setTicks(1.0, 5.0, 0.1, 1.0);
    handle->setShowCoorSystem(SHOW_HALF);
    handle->setShowGrid(SHOW_YAXIS);
    handle->setShowLegend(SHOW_DOWNRIGHT);
    handle->show();
    handle->setFileCommandMask(FILE_DATA + FILE_OPEN + FILE_ADD);
    handle->issueFileCommand(FILE_DATA + FILE_OPEN);
    return handle;
}

bool loadConconiFile(PlotHandle& handle, const std::string& path, int16_t command)
{
    Plot& plot = handle.plot();
    ConconiFile file = readConconiFile(path);
    const bool replace = (command & FILE_OPEN) != 0;
    if (!file.points.empty() && !replace && plot.numGraphs() >= Plot::maxGraphs) {
        file.points.clear();
        file.problems.push_back({ERR_MESSAGE, "Too many graphs for one plot in\n" + path + " !"});
    }
    if (!file.points.empty()) {
        if (replace) {
            handle.removeAllGraphs();
        }
        const int16_t graph = handle.addGraph();
        handle.setGraphLable(file.label, graph);
        for (const ConconiPoint& point : file.points) {
            handle.addPoint(point.velocity, point.heartRate, graph);
        }
        handle.autoRange();
        handle.setTicks(0.5, 5.0, 0.1, 1.0);
        handle.redraw();
    }
    // After the picture, so that the boxes stand in front of what was read.
    for (const FileProblem& problem : file.problems) {
        reportError(problem.code, problem.extra, true, plot.nativeWindow());
    }
    return !file.points.empty();
}

RunState runConconiPass(PlotHandle& handle)
{
    if (const int16_t command = handle.takePendingFileCommand(); command != 1) {
        if (const auto path = handle.askOpenFileName("Conconi File", "Conconi Data Files", "dat", false)) {
            loadConconiFile(handle, *path, command);
        }
    }
    Desktop& desktop = Desktop::current();
    if (desktop.processOneMessage() == 0) {
        desktop.waitForMessages(idleWaitMilliseconds);
    }
    return takeRunState();
}

int runConconiEdition(const ProgramOptions& /*options: the edition reads no files named there*/)
{
    const OpenedWindows opened;
    setConconiDefaults();
    const std::unique_ptr<PlotHandle> handle = makeConconiPlot();
    while (runConconiPass(*handle) != RUN_QUIT) {
    }
    return 0;
}

}  // namespace kvx
