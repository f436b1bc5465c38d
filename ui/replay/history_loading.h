#pragma once
// Reads a hand-history file (or pasted text) on a thread of its own and hands
// the hands to the window's thread in batches as they are read, so that a
// big file lists as it goes and never freezes the window. A new reading
// cancels the one under way; nothing of the old one arrives afterwards.
// Destroying it stops the reading and returns once the thread notices.
#include <QObject>
#include <QString>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "history/history_reader.h"

namespace korvana::ui {

class HistoryLoading : public QObject {
    Q_OBJECT
public:
    // Beyond this many hands a file is listed no further (and the window says so).
    static constexpr std::size_t kMostHands = 200'000;

    // Each batch in file order, on the owner's thread.
    using Batch = std::function<void(std::vector<history::ReadHand> hands)>;
    // Once the reading ends: an empty text when the file was read to its end
    // or to kMostHands, otherwise why it could not be.
    using Finished = std::function<void(const QString& failure, bool cut)>;

    HistoryLoading(Batch batch, Finished finished, QObject* parent = nullptr);
    ~HistoryLoading() override;

    void readFile(const QString& path);
    void readText(const QString& text);
    void stop();

private:
    using Source = std::function<std::unique_ptr<std::istream>()>;
    void start(Source source);
    void read(const Source& source, std::uint64_t order, const std::atomic<bool>& cancelled);

    Batch batch_;
    Finished finished_;
    std::uint64_t order_ = 0;  // the newest reading; the owner's thread only
    std::shared_ptr<std::atomic<bool>> cancelled_;
    std::thread worker_;
};

}  // namespace korvana::ui
