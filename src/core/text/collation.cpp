#include "core/text/collation.h"

#include "core/text/cp932.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>
#include <future>
#include <numeric>

namespace trelkin {
namespace {

QCollator makeCollator(LetterCase letterCase) {
    QCollator collator{QLocale(QLocale::Japanese, QLocale::Japan)};
    collator.setCaseSensitivity(letterCase == LetterCase::Ignored ? Qt::CaseInsensitive : Qt::CaseSensitive);
    return collator;
}

const QCollator& collatorFor(LetterCase letterCase) {
    // One pair per thread: a collator is not to be shared between threads.
    thread_local const QCollator ignoring = makeCollator(LetterCase::Ignored);
    thread_local const QCollator significant = makeCollator(LetterCase::Significant);
    return letterCase == LetterCase::Ignored ? ignoring : significant;
}

constexpr std::size_t kTextsWorthASecondThread = 20000;

std::vector<QCollatorSortKey> sortKeys(const std::vector<std::string_view>& texts, std::size_t begin, std::size_t end,
                                       LetterCase letterCase) {
    const QCollator& collator = collatorFor(letterCase);
    std::vector<QCollatorSortKey> keys;
    keys.reserve(end - begin);
    for (std::size_t i = begin; i < end; ++i)
        keys.push_back(collator.sortKey(fromCp932(texts[i])));
    return keys;
}

int byteOrder(std::string_view a, std::string_view b) {
    const int order = a.compare(b);
    return (order > 0) - (order < 0);
}

} // namespace

int collate(std::string_view a, std::string_view b, LetterCase letterCase) {
    const int order = collatorFor(letterCase).compare(fromCp932(a), fromCp932(b));
    return order != 0 ? (order > 0) - (order < 0) : byteOrder(a, b);
}

std::vector<std::size_t> collationOrder(const std::vector<std::string_view>& texts, LetterCase letterCase) {
    // A sort key per text makes each comparison a byte comparison instead of two conversions and a collation.
    // Making the keys is most of the work; a long list has its second half's keys made on another thread.
    const std::size_t half = texts.size() >= kTextsWorthASecondThread ? texts.size() / 2 : texts.size();
    auto secondHalf = std::async([&] { return sortKeys(texts, half, texts.size(), letterCase); });
    std::vector<QCollatorSortKey> keys = sortKeys(texts, 0, half, letterCase);
    for (QCollatorSortKey& key : secondHalf.get())
        keys.push_back(std::move(key));

    std::vector<std::size_t> order(texts.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const int byKey = keys[a].compare(keys[b]);
        return byKey != 0 ? byKey < 0 : texts[a] < texts[b];
    });
    return order;
}

void sortForList(std::vector<std::string>& names) {
    const std::vector<std::string_view> views(names.begin(), names.end());
    const std::vector<std::size_t> order = collationOrder(views, LetterCase::Ignored);
    std::vector<std::string> sorted;
    sorted.reserve(names.size());
    for (const std::size_t index : order)
        sorted.push_back(std::move(names[index]));
    names = std::move(sorted);
}

} // namespace trelkin
