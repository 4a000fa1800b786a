#pragma once
// The data-complete flag of pages that edit tables. A table read runs asynchronously and a row
// picked during it may be gone or half shown; Add, Set and Delete therefore refuse with "Get
// data not complete" until the read has ended. "Stop" ends a running walk by clearing the
// requests' Enabled flag; closing stops the same way and waits until nothing runs.
//
//   complete_.Track(table);                      // at creation, before the first read
//   if (!complete_.ReadyToWrite(this, {table})) return;
//   complete_.Clear(); table->Request().Enabled = true; ... write ...

#include <memory>
#include <vector>

class QWidget;
class QxSNMPRequest2Controls;

class DataCompleteFlag {
public:
    bool Complete() const { return *complete_; }
    void Clear() { *complete_ = false; }
    void Set() { *complete_ = true; }

    // Every completion of the binding (read or write, with or without error) sets the flag; the
    // page's own completion handler, set before, still runs after it.
    void Track(QxSNMPRequest2Controls* binding);

    // True when the flag is set and none of the bindings runs or waits; otherwise the message
    // box "Get data not complete" (owned by `owner`) and false.
    bool ReadyToWrite(QWidget* owner, const std::vector<QxSNMPRequest2Controls*>& bindings) const;

private:
    // Shared with the completion handlers, which may outlive a page that forgot to stop them.
    std::shared_ptr<bool> complete_ = std::make_shared<bool>(false);
};

// "Stop": clears each request's Enabled flag; a running walk ends after the row in flight and
// its completion runs as usual. A page sets Enabled again before its next read or write.
void StopBindings(const std::vector<QxSNMPRequest2Controls*>& bindings);

// Closing: stop, then wait (processing events) until no binding runs. True when all are idle.
bool StopAndWaitIdle(const std::vector<QxSNMPRequest2Controls*>& bindings, int timeoutMs = 6000);
