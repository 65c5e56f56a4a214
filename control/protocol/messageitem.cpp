// SPDX-License-Identifier: MIT
#include "protocol/messageitem.h"

#include <QFile>

#include <string_view>
#include <utility>

#include "msgfile/names.h"
#include "protocol/renderfailure.h"

namespace ztk::protocol {
namespace {

// The not-found error of a template carries the number of a subscript out of range.
constexpr int kTemplateNotFoundNumber = 9;

const char* elementOf(ItemKind kind) {
    switch (kind) {
        case ItemKind::Template:
            return msgfile::elem::kTemplate;
        case ItemKind::String:
            return msgfile::elem::kString;
        case ItemKind::Alarm:
            break;
    }
    return msgfile::elem::kAlarm;
}

// The three load texts differ on purpose: hosts and log readers match on them as they are.
QString whileProcessing(ItemKind kind) {
    switch (kind) {
        case ItemKind::Template:
            return QStringLiteral(" while processing template '");
        case ItemKind::String:
            return QStringLiteral("While processing string '");
        case ItemKind::Alarm:
            break;
    }
    return QStringLiteral("While processing alarm '");
}

}  // namespace

MessageItem openMessageItem(msgfile::MessageFileCache& files, ItemKind kind, const QString& path,
                            const QString& itemName) {
    msgfile::MessageFileCache::Result loaded = files.load(QFile::encodeName(path).toStdString());
    if (const auto& error = loaded.error) {
        throw RenderFailure(QStringLiteral("Error ") + QString::number(error->code) +
                            whileProcessing(kind) + itemName + QStringLiteral("'Line ") +
                            QString::number(error->line) + QStringLiteral(": ") +
                            QString::fromStdString(error->reason));
    }
    const QByteArray wanted = itemName.toUtf8();
    const pugi::xml_node item =
        loaded.file->items.find(elementOf(kind), std::string_view(wanted.data(), wanted.size()))
            .item;
    if (item) return {std::move(loaded.file), item};
    const QString where = QStringLiteral("' in file '") + path + QStringLiteral("'.");
    switch (kind) {
        case ItemKind::Template:
            throw RenderFailure(QStringLiteral("Couldn't find template '") + itemName + where,
                                kTemplateNotFoundNumber);
        case ItemKind::String:
            throw RenderFailure(QStringLiteral("Couldn't find string '") + itemName + where);
        case ItemKind::Alarm:
            break;
    }
    throw RenderFailure(QStringLiteral("Couldn't find alarm '") + itemName + where,
                        kRenderErrorNumber, QStringLiteral("UpdateAlarmDisplay"));
}

}  // namespace ztk::protocol
