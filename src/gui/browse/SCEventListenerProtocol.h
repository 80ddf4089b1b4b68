#pragma once
// What the folder watcher's delegate answers: one call per reported change, on the thread
// whose event loop the watch runs on.

class SCEvent;
class SCEvents;

class SCEventListenerProtocol {
public:
    virtual void pathWatcher(SCEvents* pathWatcher, const SCEvent& event) = 0;

protected:
    ~SCEventListenerProtocol() = default;
};
