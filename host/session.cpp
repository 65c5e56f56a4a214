// SPDX-License-Identifier: MIT
#include "session.h"

#include <QEventLoop>
#include <QTimer>

#include <functional>
#include <limits>
#include <map>

#include "propertyaccess.h"
#include "wordsplitter.h"

namespace ztk::host {
namespace {

// A method call's arguments, converted as the control's interface declares them.
class Arguments {
  public:
    Arguments(const QStringList& words, QString& problem) : words_(words), problem_(problem) {}

    // False once an argument could not be converted (the reason is in the problem text).
    bool ok() const { return problem_.isEmpty(); }

    // Text argument `index` (1-based after the method name); empty when omitted.
    QString text(int index) const { return index < words_.size() ? words_[index] : QString(); }

    std::int16_t int16(int index) const {
        if (index >= words_.size()) return 0;
        bool ok = false;
        const int value = words_[index].toInt(&ok);
        if (!ok || value < std::numeric_limits<std::int16_t>::min() ||
            value > std::numeric_limits<std::int16_t>::max()) {
            problem_ = QStringLiteral("argument %1 is not a 16-bit integer: '%2'")
                           .arg(index)
                           .arg(words_[index]);
            return 0;
        }
        return static_cast<std::int16_t>(value);
    }

    bool boolean(int index) const {
        if (index >= words_.size()) return false;
        const QString w = words_[index].toLower();
        if (w == u"true" || w == u"1" || w == u"-1") return true;
        if (w == u"false" || w == u"0") return false;
        problem_ =
            QStringLiteral("argument %1 is not True or False: '%2'").arg(index).arg(words_[index]);
        return false;
    }

  private:
    const QStringList& words_;
    QString& problem_;
};

struct Method {
    const char* name;
    int minArgs;
    int maxArgs;
    // Returns "True"/"False", or the text of GetSocketState.
    std::function<QString(Marquee&, const Arguments&)> call;
};

// The session's own words are taken in any letter case, as the names of calls are.
bool isVerb(const QString& word, const char* verb) {
    return word.compare(QLatin1String(verb), Qt::CaseInsensitive) == 0;
}

QString boolText(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

const std::vector<Method>& methods() {
    // Arguments are converted first; the call runs only when all of them were understood.
    static const std::vector<Method> table{
        {"AlarmAdd", 0, 0, [](Marquee& m, const Arguments&) { return boolText(m.AlarmAdd()); }},
        {"AlarmAcknowledge", 0, 0,
         [](Marquee& m, const Arguments&) { return boolText(m.AlarmAcknowledge()); }},
        {"AlarmAcknowledgeAll", 0, 0,
         [](Marquee& m, const Arguments&) { return boolText(m.AlarmAcknowledgeAll()); }},
        {"ChangeMode", 1, 1,
         [](Marquee& m, const Arguments& a) { return boolText(m.ChangeMode(a.text(1))); }},
        {"Clear", 0, 0, [](Marquee& m, const Arguments&) { return boolText(m.Clear()); }},
        {"Initialize", 0, 1,
         [](Marquee& m, const Arguments& a) {
             const auto size = a.int16(1);
             return a.ok() ? boolText(m.Initialize(size)) : QString();
         }},
        {"QuickDisplay", 1, 6,
         [](Marquee& m, const Arguments& a) {
             return boolText(
                 m.QuickDisplay(a.text(1), a.text(2), a.text(3), a.text(4), a.text(5), a.text(6)));
         }},
        {"Reset", 0, 0, [](Marquee& m, const Arguments&) { return boolText(m.Reset()); }},
        {"UpdateVariable", 2, 2,
         [](Marquee& m, const Arguments& a) {
             return boolText(m.UpdateVariable(a.text(1), a.text(2)));
         }},
        {"UpdateVariableAdv", 2, 4,
         [](Marquee& m, const Arguments& a) {
             const auto flash = a.int16(4);
             return a.ok() ? boolText(m.UpdateVariableAdv(a.text(1), a.text(2), a.text(3), flash))
                           : QString();
         }},
        {"InitializeAdv", 0, 2,
         [](Marquee& m, const Arguments& a) {
             const auto size = a.int16(1);
             const bool perPacket = a.boolean(2);
             return a.ok() ? boolText(m.InitializeAdv(size, perPacket)) : QString();
         }},
        {"ResetCommunication", 0, 0,
         [](Marquee& m, const Arguments&) { return boolText(m.ResetCommunication()); }},
        {"GetSocketState", 0, 0, [](Marquee& m, const Arguments&) { return m.GetSocketState(); }},
    };
    return table;
}

// The method arguments that are words of an attribute table.
struct AttributeArgument {
    const char* method;
    int index;
    Marquee::AttributeTable table;
    const char* what;
};

constexpr AttributeArgument kAttributeArguments[] = {
    {"QuickDisplay", 2, Marquee::AttributeTable::Color, "colour"},
    {"QuickDisplay", 3, Marquee::AttributeTable::Font, "font"},
    {"QuickDisplay", 4, Marquee::AttributeTable::Mode, "mode"},
    {"QuickDisplay", 5, Marquee::AttributeTable::Special, "special"},
    {"QuickDisplay", 6, Marquee::AttributeTable::Position, "position"},
    {"UpdateVariableAdv", 3, Marquee::AttributeTable::Color, "colour"},
};

}  // namespace

Session::Session(QTextStream& out, QTextStream& err, const SessionSetup& setup)
    : out_(out),
      err_(err),
      reporter_(err, setup.verbose, setup.dump),
      sinkAttached_(setup.sink != nullptr) {
    marquee_.setListener(&reporter_);
    marquee_.setPacketSink(setup.sink);
}

Session::~Session() {
    // What the control records while it ends belongs to no call.
    reporter_.setContext(QString());
}

LineOutcome Session::runLine(const QString& line, const QString& where) {
    const SplitResult split = splitWords(line);
    QString problem = split.error;
    LineOutcome outcome = LineOutcome::Unparsable;
    if (problem.isEmpty()) {
        if (split.words.isEmpty()) return LineOutcome::Succeeded;
        outcome = run(split.words, problem);
    }
    if (outcome == LineOutcome::Unparsable) {
        err_ << "marquee: " << where << ": " << problem << Qt::endl;
    }
    if (outcome == LineOutcome::Failed) anyFailure_ = true;
    out_.flush();
    return outcome;
}

LineOutcome Session::run(const QStringList& words, QString& problem) {
    const QString& verb = words[0];
    if (isVerb(verb, "set")) {
        if (words.size() != 3) {
            problem = QStringLiteral("set takes a property name and one value");
            return LineOutcome::Unparsable;
        }
        return setProperty(words[1], words[2], problem);
    }
    if (isVerb(verb, "get")) {
        if (words.size() != 2) {
            problem = QStringLiteral("get takes one property name");
            return LineOutcome::Unparsable;
        }
        return getProperty(words[1], problem);
    }
    if (isVerb(verb, "wait")) {
        bool ok = false;
        const int ms = words.value(1).toInt(&ok);
        if (words.size() != 2 || !ok || ms < 0) {
            problem = QStringLiteral("wait takes a number of milliseconds");
            return LineOutcome::Unparsable;
        }
        // Socket notifications arrive meanwhile; their failures are this line's.
        reporter_.setContext(QStringLiteral("wait"));
        QEventLoop loop;
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        loop.exec();
        reporter_.setContext(QString());
        return LineOutcome::Succeeded;
    }
    return callMethod(words, problem);
}

LineOutcome Session::setProperty(const QString& name, const QString& value, QString& problem) {
    const auto property = canonicalPropertyName(name);
    if (!property) {
        problem = QStringLiteral("unknown property '%1'").arg(name);
        return LineOutcome::Unparsable;
    }
    try {
        setPropertyText(marquee_, *property, value);
        return LineOutcome::Succeeded;
    } catch (const PropertyError& error) {
        // A refusal without a source of the control's own is reported under this program's
        // name, as a host's runtime would.
        const QString source =
            error.source().isEmpty() ? QStringLiteral("marquee") : error.source();
        err_ << "error " << error.number() << ' ' << source << ": " << error.text() << Qt::endl;
        return LineOutcome::Failed;
    }
}

LineOutcome Session::getProperty(const QString& name, QString& problem) {
    const auto property = canonicalPropertyName(name);
    if (!property) {
        problem = QStringLiteral("unknown property '%1'").arg(name);
        return LineOutcome::Unparsable;
    }
    out_ << propertyText(marquee_, *property) << '\n';
    return LineOutcome::Succeeded;
}

LineOutcome Session::callMethod(const QStringList& words, QString& problem) {
    for (const Method& method : methods()) {
        if (words[0].compare(QLatin1String(method.name), Qt::CaseInsensitive) != 0) continue;
        const int count = static_cast<int>(words.size()) - 1;
        if (count < method.minArgs || count > method.maxArgs) {
            problem = QStringLiteral("%1 takes %2 to %3 arguments, not %4")
                          .arg(QLatin1String(method.name))
                          .arg(method.minArgs)
                          .arg(method.maxArgs)
                          .arg(count);
            return LineOutcome::Unparsable;
        }
        const Arguments arguments(words, problem);
        const QString name = QLatin1String(method.name);
        warnUnknownWords(words);
        noteConnect(words);
        reporter_.setContext(name);
        const QString result = method.call(marquee_, arguments);
        reporter_.setContext(QString());
        if (!problem.isEmpty()) return LineOutcome::Unparsable;
        if (reporter_.verbose()) out_ << name << " -> ";
        out_ << result << '\n';
        const bool isState = name == u"GetSocketState";
        return isState || result == u"True" ? LineOutcome::Succeeded : LineOutcome::Failed;
    }
    problem = QStringLiteral("unknown call '%1'").arg(words[0]);
    return LineOutcome::Unparsable;
}

void Session::warnUnknownWords(const QStringList& words) {
    for (const AttributeArgument& argument : kAttributeArguments) {
        if (words[0].compare(QLatin1String(argument.method), Qt::CaseInsensitive) != 0) continue;
        const QString word = words.value(argument.index);
        if (word.isEmpty() || Marquee::IsKnownAttribute(argument.table, word)) continue;
        err_ << "marquee: warning: unknown " << argument.what << " '" << word
             << "' (sent as the default)" << Qt::endl;
    }
}

void Session::noteConnect(const QStringList& words) {
    if (!reporter_.verbose() || sinkAttached_ || marquee_.MarqueeConnectMode() != 1) return;
    const QString method = words[0].toLower();
    const bool perPacket = method == u"initializeadv" &&
                           QStringList{"true", "1", "-1"}.contains(words.value(2).toLower());
    const bool connected = marquee_.GetSocketState() == u"Connected [7]";
    if ((method == u"initialize" && !connected) ||
        (method == u"initializeadv" && !connected && !perPacket) ||
        method == u"resetcommunication") {
        reporter_.note(QStringLiteral("connecting to %1:%2")
                           .arg(marquee_.NetworkAddress())
                           .arg(marquee_.NetworkPort()));
    }
}

}  // namespace ztk::host
