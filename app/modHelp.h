// The web-link openers and the one way the program ends.
#pragma once

#include <QString>
#include <functional>

namespace horavela {

// Each hands one fixed "http://" address to the default browser, does not
// wait for it and ignores failure.
void OpenOnlineHelp();
void OpenHomePage();
void OpenDownloadPage();
void OpenDonatePage();
void OpenCoBrandPage();
void OpenFullBrandPage();

// The bare address of the maker's main web site, as OpenHomePage opens it.
QString mainSiteAddress();

// Unloads every loaded window, hidden ones too, ignoring failures, then ends
// the program without handling any further event. Unloading closes each
// top-level window (its close event is its unload handler) and schedules its
// deletion, so windows must live on the heap. A second call while a shutdown
// is under way does nothing, so unload handlers may call it freely.
void EndProgram();

// True from the moment EndProgram starts: unload handlers use it to tell a
// shutdown sweep from a user closing their window.
bool isProgramEnding();

// Tests replace the last step of EndProgram (ending the process) with their
// own, and re-arm it so that a later EndProgram runs again.
void setProgramEndForTesting(std::function<void()> endProcess);

} // namespace horavela
