// SPDX-License-Identifier: MIT
#pragma once
// Test helpers: a prompter that answers from a script, and a control loaded from values
// as a host's store would hand them over (without the set rules).

#include <QString>
#include <QVariantMap>

#include <deque>
#include <optional>
#include <vector>

#include "ZTKMarqueeControl/marquee.h"
#include "ZTKMarqueePages/pageprompter.h"
#include "qtprinters.h"

namespace ztk::pages::test {

class ScriptedPrompter final : public PagePrompter {
  public:
    struct Chooser {
        bool save;
        QString fileName;
        QString filter;
    };

    // The answers of the next choosers, in order; nothing means cancelled.
    std::deque<std::optional<QString>> answers;
    std::vector<Chooser> choosers;
    std::vector<QString> errors;

    std::optional<QString> chooseFileToOpen(QWidget*, const QString& fileName,
                                            const QString& filter) override {
        return answer({false, fileName, filter});
    }
    std::optional<QString> chooseFileToSave(QWidget*, const QString& fileName,
                                            const QString& filter) override {
        return answer({true, fileName, filter});
    }
    void showError(QWidget*, const QString&, const QString& text) override {
        errors.push_back(text);
    }

  private:
    std::optional<QString> answer(Chooser chooser) {
        choosers.push_back(std::move(chooser));
        if (answers.empty()) return std::nullopt;
        std::optional<QString> next = answers.front();
        answers.pop_front();
        return next;
    }
};

// A host's store held in memory.
class MapBag final : public PropertyBag {
  public:
    explicit MapBag(QVariantMap values = {}) : values(std::move(values)) {}
    QVariant read(const QString& name, const QVariant& fallback) override {
        return values.value(name, fallback);
    }
    void write(const QString& name, const QVariant& value, const QVariant&) override {
        values.insert(name, value);
    }
    QVariantMap values;
};

// Reads `stored` into `marquee` as a host's store would, so any value is taken as it is.
inline void loadStored(Marquee& marquee, const QVariantMap& stored) {
    MapBag bag(stored);
    marquee.ReadProperties(bag);
}

// Every persisted property of `marquee` by name.
inline QVariantMap persisted(const Marquee& marquee) {
    MapBag bag;
    marquee.WriteProperties(bag);
    return bag.values;
}

}  // namespace ztk::pages::test
