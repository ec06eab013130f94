#pragma once

namespace home {
class HomeWindow;
}

namespace app {

// --self-test, once the home window is up: loads the question viewer now rather than in the
// background, prints what start-up found (platform, course, viewer plugin file, window) on
// standard output and returns the exit code: 0 when all of it was found. A technician runs it on an
// installed copy; so does the install test.
int selfTestReport(const home::HomeWindow &contents);

} // namespace app
