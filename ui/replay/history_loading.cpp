#include "ui/replay/history_loading.h"

#include <QFile>
#include <QMetaObject>
#include <fstream>
#include <sstream>

namespace korvana::ui {

namespace {

// Small enough that the first hands show at once, large enough that the
// window is not woken for every hand.
constexpr std::size_t kBatchHands = 500;

}  // namespace

HistoryLoading::HistoryLoading(Batch batch, Finished finished, QObject* parent)
    : QObject(parent), batch_(std::move(batch)), finished_(std::move(finished)) {}

HistoryLoading::~HistoryLoading() {
    stop();
}

void HistoryLoading::stop() {
    ++order_;
    if (cancelled_) cancelled_->store(true);
    if (worker_.joinable()) worker_.join();
    cancelled_.reset();
}

void HistoryLoading::readFile(const QString& path) {
    start([name = QFile::encodeName(path).toStdString()]() -> std::unique_ptr<std::istream> {
        auto file = std::make_unique<std::ifstream>(name, std::ios::binary);
        if (!*file) return nullptr;
        return file;
    });
}

void HistoryLoading::readText(const QString& text) {
    start([bytes = text.toStdString()] { return std::make_unique<std::istringstream>(bytes); });
}

void HistoryLoading::start(Source source) {
    stop();
    cancelled_ = std::make_shared<std::atomic<bool>>(false);
    worker_ = std::thread([this, source = std::move(source), order = order_,
                           cancelled = cancelled_] { read(source, order, *cancelled); });
}

// On the worker thread. What it posts runs on the owner's thread, and only
// while its reading is still the newest.
void HistoryLoading::read(const Source& source, std::uint64_t order,
                          const std::atomic<bool>& cancelled) {
    const auto post = [this, order](std::function<void()> delivery) {
        QMetaObject::invokeMethod(
            this,
            [this, order, delivery = std::move(delivery)] {
                if (order == order_) delivery();
            },
            Qt::QueuedConnection);
    };
    const std::unique_ptr<std::istream> input = source();
    if (!input) {
        post([this] { finished_(tr("the file cannot be opened"), false); });
        return;
    }
    history::HistoryReader reader(*input);
    auto batch = std::make_shared<std::vector<history::ReadHand>>();
    std::size_t read = 0;
    bool cut = false;
    while (!cancelled.load(std::memory_order_relaxed)) {
        std::optional<history::ReadHand> hand = reader.next();
        if (!hand) break;
        if (read == kMostHands) {
            cut = true;
            break;
        }
        batch->push_back(std::move(*hand));
        ++read;
        if (batch->size() == kBatchHands) {
            post([this, batch] { batch_(std::move(*batch)); });
            batch = std::make_shared<std::vector<history::ReadHand>>();
        }
    }
    if (cancelled.load()) return;
    const bool failed = input->bad();
    post([this, batch, failed, cut] {
        if (!batch->empty()) batch_(std::move(*batch));
        finished_(failed ? tr("the file could not be read to its end") : QString(), cut);
    });
}

}  // namespace korvana::ui
