// SPDX-License-Identifier: MIT
#pragma once
// Applying a page: its property sets, run in order until one is refused.

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace ztk {
class Marquee;
}

namespace ztk::pages {

// A set that was refused: the property, the page field that holds its value (its object
// name), and the error number, source and text the refusal carried.
struct Refusal {
    QString property;
    QString field;
    int number = 0;
    QString source;
    QString text;
};

// One property set of an apply. `set` throws PropertyError when the value is refused.
struct ApplyStep {
    QString property;
    QString field;
    std::function<void(Marquee&)> set;
};

// Runs `steps` in order on `marquee`; stops at the first refused set and returns it, so
// the properties after it keep their values. Nothing when every set was accepted.
std::optional<Refusal> runSteps(Marquee& marquee, const std::vector<ApplyStep>& steps);

// The message a person is shown for `refusal`: the error's text, then the property, the
// error number and (when it has one) the source.
QString refusalMessage(const Refusal& refusal);

}  // namespace ztk::pages
