#pragma once

#include "shared/PostBox.h"

#include <memory>
#include <thread>
#include <utility>

namespace panes {

// Runs work on a thread of its own and hands its result to the owner's thread, for the latest run only: a run
// started later, a cancel or the owner's end drops what an earlier run brings. Used from the owner's thread.
class LatestResult
{
public:
    explicit LatestResult(QObject* owner)
        : m_box(std::make_shared<PostBox>(owner))
    {
    }
    ~LatestResult() { m_box->close(); }
    LatestResult(const LatestResult&) = delete;
    LatestResult& operator=(const LatestResult&) = delete;

    // work() runs on the new thread; deliver(result) on the owner's thread, unless superseded.
    template <typename Work, typename Deliver> void run(Work work, Deliver deliver)
    {
        const unsigned generation = ++m_generation;
        std::thread([box = m_box, work = std::move(work), deliver = std::move(deliver), generation, this]() mutable {
            auto result = work();
            box->post([this, generation, deliver = std::move(deliver), result = std::move(result)]() mutable {
                if (generation == m_generation) {
                    deliver(std::move(result));
                }
            });
        }).detach();
    }

    void cancel() { ++m_generation; }

private:
    std::shared_ptr<PostBox> m_box;
    unsigned m_generation = 0; // of the latest run; read and written on the owner's thread only
};

} // namespace panes
