// A loadable module for the version reader's tests; its version block, if
// any, comes from the build.
extern "C" int qel_support_fixture_marker() {
    return 1;
}
