// SPDX-License-Identifier: MIT
#include "protocol/itemrenderer.h"

#include <new>
#include <string_view>

#include "msgfile/lookup.h"
#include "msgfile/names.h"
#include "msgfile/text.h"
#include "protocol/multipageflag.h"
#include "protocol/orvexprotocolroutines.h"

namespace ztk::protocol {
namespace {

namespace codes = mOrvexProtocolRoutines;
namespace elem = msgfile::elem;
namespace attr = msgfile::attr;

constexpr char kCarriageReturn = 0x0D;
constexpr char kNoHold = 0x09;
constexpr char kStringFileReference = 0x10;
// Error number of an allocation that failed.
constexpr int kOutOfMemoryNumber = 7;

bool named(pugi::xml_node node, const char* name) {
    return std::string_view(node.name()) == name;
}

// Children of TEXT and ROTATELINE are recognised in any letter case.
QString upperName(pugi::xml_node node) {
    return QString::fromUtf8(node.name()).toUpper();
}

QString attributeText(pugi::xml_node node, const char* name, const char* fallback) {
    const pugi::xml_attribute attribute = node.attribute(name);
    return QString::fromUtf8(attribute ? attribute.value() : fallback);
}

void appendText(QByteArray& out, const char* utf8) {
    out += QByteArray::fromStdString(msgfile::utf8ToLatin1(utf8));
}

// Keeps count of the TEXT elements being rendered inside one another.
class NestingLevel {
  public:
    explicit NestingLevel(int& level) : level_(level) {
        if (++level_ > ItemRenderer::kMaxTextNesting) {
            --level_;
            throw RenderFailure(QStringLiteral("TEXT elements are nested more than %1 deep.")
                                    .arg(ItemRenderer::kMaxTextNesting));
        }
    }
    ~NestingLevel() { --level_; }
    NestingLevel(const NestingLevel&) = delete;
    NestingLevel& operator=(const NestingLevel&) = delete;

  private:
    int& level_;
};

}  // namespace

ItemRenderer::ItemRenderer(VariablesTable& variables, RenderLog& log, std::uint8_t signType)
    : variables_(variables), log_(log), signType_(signType) {}

template <typename Body>
QByteArray ItemRenderer::guarded(const char* routine, Body&& body) {
    try {
        return body();
    } catch (const RenderFailure& failure) {
        log_.routineFailed(QLatin1String(routine), failure);
    } catch (const std::bad_alloc&) {
        log_.routineFailed(QLatin1String(routine),
                           RenderFailure(QStringLiteral("Out of memory."), kOutOfMemoryNumber));
    } catch (const std::exception& error) {
        log_.routineFailed(QLatin1String(routine),
                           RenderFailure(QString::fromLocal8Bit(error.what())));
    }
    return {};
}

template <typename NestedText>
QByteArray ItemRenderer::content(pugi::xml_node element, NestedText&& nestedText) {
    QByteArray out;
    for (pugi::xml_node child = element.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element) {
            appendText(out, child.value());
            continue;
        }
        const QString name = upperName(child);
        if (name == QLatin1String(elem::kText)) {
            out += nestedText(child);
        } else if (name == QLatin1String(elem::kVariable)) {
            out += ParseVariableTag(child);
        } else {
            throw RenderFailure(QStringLiteral("Element '") + QString::fromUtf8(child.name()) +
                                QStringLiteral("' cannot be shown inside ") +
                                QString::fromUtf8(element.name()) + QStringLiteral("."));
        }
    }
    out.replace(msgfile::kBlank, ' ');
    return out;
}

QByteArray ItemRenderer::renderTemplate(pugi::xml_node templ) {
    QByteArray out;
    switch (msgfile::templateKind(templ)) {
        case msgfile::TemplateKind::SinglePage:
            multipageFlag() = false;
            out += codes::TemplateStartCode(signType_);
            for (pugi::xml_node line : templ.children(elem::kLine))
                out += ParseLineTag(line);
            break;
        case msgfile::TemplateKind::Multipage:
            multipageFlag() = true;
            for (pugi::xml_node page : templ.children(elem::kPage)) {
                out += codes::PageStartCode(signType_);
                const pugi::xml_attribute hold = page.attribute(attr::kHoldTime);
                if (hold) out += ParsePageTag(page, QString::fromUtf8(hold.value()));
            }
            break;
        case msgfile::TemplateKind::Unknown:
            break;  // nothing of it is shown; the sign goes blank
    }
    return out;
}

QByteArray ItemRenderer::renderTextItem(pugi::xml_node item) {
    QByteArray out;
    for (pugi::xml_node text : item.children(elem::kText))
        out += ParseTextTag(text);
    return out;
}

QByteArray ItemRenderer::ParseLineTag(pugi::xml_node line) {
    return guarded("ParseLineTag", [&] {
        QByteArray out;
        for (pugi::xml_node child = line.first_child(); child; child = child.next_sibling()) {
            if (named(child, elem::kText)) {
                out += ParseTemplateTextTag(child);
            } else if (named(child, elem::kVariable)) {
                out += ParseVariableTag(child);
            }
        }
        out += kCarriageReturn;
        return out;
    });
}

QByteArray ItemRenderer::ParsePageTag(pugi::xml_node page, const QString& holdTime) {
    return guarded("ParseLineTag", [&] {
        QByteArray out = holdTime == QLatin1String(msgfile::kNoHoldTime)
                             ? QByteArray(1, kNoHold)
                             : codes::SpeedCode(holdTime);
        for (pugi::xml_node child = page.first_child(); child; child = child.next_sibling()) {
            if (named(child, elem::kLine)) {
                out += ParseLineTag(child);
            } else if (named(child, elem::kRotateLine)) {
                out += ParseRotateLineTag(child);
            }
        }
        return out;
    });
}

QByteArray ItemRenderer::ParseRotateLineTag(pugi::xml_node rotateLine) {
    return guarded("ParseRotateLineTag", [&] {
        const QString color = attributeText(rotateLine, attr::kColor, "AutoColor");
        const QString font = attributeText(rotateLine, attr::kFont, "S7");
        const QByteArray text = content(
            rotateLine, [&](pugi::xml_node nested) { return ParseTemplateTextTag(nested); });
        return codes::ModeCode(QStringLiteral("rotate"), QStringLiteral("bottom")) +
               codes::ColorCode(color) + codes::FontCode(font) + text;
    });
}

QByteArray ItemRenderer::ParseTemplateTextTag(pugi::xml_node text) {
    return guarded("ParseTemplateTextTag", [&] {
        const NestingLevel level(nesting_);
        const QString color = attributeText(text, attr::kColor, "AutoColor");
        const QString font = attributeText(text, attr::kFont, "S7");
        const QByteArray inner =
            content(text, [&](pugi::xml_node nested) { return ParseTemplateTextTag(nested); });
        return codes::ColorCode(color) + codes::FontCode(font) + inner;
    });
}

QByteArray ItemRenderer::ParseTextTag(pugi::xml_node text) {
    return guarded("ParseTextTag", [&] {
        const NestingLevel level(nesting_);
        const QString color = attributeText(text, attr::kColor, "autocolor");
        const QString font = attributeText(text, attr::kFont, "S7");
        const QString speed = attributeText(text, attr::kSpeed, "3");
        const QString position = attributeText(text, attr::kPosition, "FILL");
        // A special replaces the mode: `mode` is not even read when `special` is present.
        const pugi::xml_attribute specialAttribute = text.attribute(attr::kSpecial);
        const QString special =
            specialAttribute ? QString::fromUtf8(specialAttribute.value()) : QString();
        const QString mode = specialAttribute ? QString() : attributeText(text, attr::kMode, "");
        const QByteArray inner =
            content(text, [&](pugi::xml_node nested) { return ParseTextTag(nested); });
        const QByteArray body =
            codes::SpeedCode(speed) + codes::ColorCode(color) + codes::FontCode(font) + inner;
        if (!special.isEmpty()) return codes::SpecialCode(special, position) + body;
        if (!mode.isEmpty()) return codes::ModeCode(mode, position) + body;
        return body;
    });
}

QByteArray ItemRenderer::ParseVariableTag(pugi::xml_node variable) {
    return guarded("ParseVariableTag", [&] {
        const pugi::xml_node first = variable.first_child();
        const bool hasName = first && first.type() != pugi::node_element;
        const QString name = hasName ? QString::fromUtf8(first.value()) : QString();

        int maxLength = 0;
        if (const pugi::xml_attribute declared = variable.attribute(attr::kMaxLen)) {
            const auto length = msgfile::maxLenFromText(declared.value());
            if (!length) {
                throw RenderFailure(QStringLiteral("Invalid max_len '") +
                                    QString::fromUtf8(declared.value()) +
                                    QStringLiteral("' of variable '") + name +
                                    QStringLiteral("': not a number from -32768 to 32767."));
            }
            maxLength = *length;
        }
        if (!hasName) throw RenderFailure(QStringLiteral("A VARIABLE element has no name."));
        if (!variables_.isCreated()) {
            throw RenderFailure(
                QStringLiteral("Variables are registered only after Initialize or Clear.  "
                               "Cannot process variable: ") +
                name);
        }
        const auto label = variables_.isFull() ? std::nullopt : variables_.add(name, maxLength);
        if (!label) {
            throw RenderFailure(
                QStringLiteral("Variable maximum has been reached.  Cannot process variable: ") +
                name);
        }
        return QByteArray(1, kStringFileReference) + *label;
    });
}

}  // namespace ztk::protocol
