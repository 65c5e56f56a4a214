// SPDX-License-Identifier: MIT
#include "commandline.h"

#include "digitvalue.h"

#include <algorithm>
#include <limits>

namespace ztk::simapp {
namespace {

// The number made of the leading digits of `text` in `base`, at most `limit`.
std::uint64_t leadingNumber(const QString& text, int base, std::uint64_t limit) {
    std::uint64_t value = 0;
    for (const QChar c : text) {
        const int digit = digitValue(c, base);
        if (digit < 0) break;
        value = std::min<std::uint64_t>(value * base + digit, limit);
    }
    return value;
}

}  // namespace

CommandLine CommandLine::parse(const QStringList& arguments) {
    CommandLine result;
    QString pending;
    bool hasPending = false;
    for (const QString& argument : arguments) {
        if (hasPending && kPathFlags.contains(pending)) {
            result.values_.insert(pending, argument);
            hasPending = false;
        } else if (argument.startsWith(u'-') || argument.startsWith(u'/')) {
            pending = argument.mid(1);
            hasPending = true;
            result.values_.insert(pending, QStringLiteral("TRUE"));
        } else if (hasPending) {
            result.values_.insert(pending, argument);
            hasPending = false;
        }
    }
    return result;
}

int CommandLine::decimal(const QString& key, int fallback) const {
    if (!has(key)) return fallback;
    return static_cast<int>(leadingNumber(value(key), 10, std::numeric_limits<int>::max()));
}

std::uint32_t CommandLine::hexadecimal(const QString& key, std::uint32_t fallback) const {
    if (!has(key)) return fallback;
    return static_cast<std::uint32_t>(
        leadingNumber(value(key), 16, std::numeric_limits<std::uint32_t>::max()));
}

StartupOptions startupOptions(const CommandLine& commandLine, const QString& storedModelLine) {
    StartupOptions options;
    if (commandLine.has(QStringLiteral("class")))
        options.className = commandLine.value(QStringLiteral("class"));
    if (commandLine.has(QStringLiteral("nolink"))) options.linkBarHeight = 0;

    if (!commandLine.has(QStringLiteral("title")) && !storedModelLine.isEmpty()) {
        if (auto stored = sim::DisplayModel::parse(storedModelLine.toStdString())) {
            options.model = std::move(*stored);
            return options;
        }
    }
    const sim::DisplayModel defaults;
    sim::DisplayModel& model = options.model;
    if (commandLine.has(QStringLiteral("title")))
        model.name = commandLine.value(QStringLiteral("title")).toStdString();
    model.columns =
        std::clamp(commandLine.decimal(QStringLiteral("x"), defaults.columns), 1, sim::kMaxColumns);
    model.rows =
        std::clamp(commandLine.decimal(QStringLiteral("y"), defaults.rows), 1, sim::kMaxRows);
    model.colors =
        std::clamp(commandLine.decimal(QStringLiteral("c"), defaults.colors), 1, sim::kMaxColors);
    model.modeMask = commandLine.hexadecimal(QStringLiteral("m"), defaults.modeMask);
    model.featureMask = commandLine.hexadecimal(QStringLiteral("o"), defaults.featureMask);
    model.fontMask = commandLine.hexadecimal(QStringLiteral("f"), defaults.fontMask);
    return options;
}

}  // namespace ztk::simapp
