#pragma once

// The second base of every view window of the plugin: destroying a view
// through it destroys the whole window.

class CViewBase {
public:
    virtual ~CViewBase() = default;
};
