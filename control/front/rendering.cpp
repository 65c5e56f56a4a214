// SPDX-License-Identifier: MIT
// Showing message-file items: the file is checked on disk for every display (and parsed
// again only when it changed), the item rendered whole and sent as one packet, so a file
// that fails anywhere sends nothing.
#include "front/marqueecontext.h"
#include "protocol/itemrenderer.h"
#include "protocol/messageitem.h"
#include "protocol/orvexprotocolroutines.h"

namespace ztk {

using protocol::ItemKind;

void MarqueeContext::routineFailed(const QString& routine, const protocol::RenderFailure& failure) {
    logFailure(routine, ControlError(failure.number, failure.source, failure.text));
}

bool MarqueeContext::updateTemplateDisplay() {
    return runRoutine(QStringLiteral("UpdateTemplateDisplay"), [&] {
        const protocol::MessageItem templ = protocol::openMessageItem(
            messageFiles, ItemKind::Template, props.messageFile, props.templateName);
        protocol::ItemRenderer renderer(variables, *this, props.type);
        const QByteArray body = renderer.renderTemplate(templ.node);
        return sendTextFile(mOrvexProtocolRoutines::TextFileCommand() + body);
    });
}

bool MarqueeContext::updateStringDisplay() {
    return runRoutine(QStringLiteral("UpdateStringDisplay"), [&] {
        const protocol::MessageItem item = protocol::openMessageItem(
            messageFiles, ItemKind::String, props.messageFile, props.stringName);
        protocol::ItemRenderer renderer(variables, *this, props.type);
        const QByteArray body = renderer.renderTextItem(item.node);
        return sendTextFile(mOrvexProtocolRoutines::TextFileCommand() + body);
    });
}

bool MarqueeContext::updateAlarmDisplay(QByteArray& text) {
    return runRoutine(QStringLiteral("UpdateAlarmDisplay"), [&] {
        const protocol::MessageItem item = protocol::openMessageItem(
            messageFiles, ItemKind::Alarm, props.messageFile, props.alarmName);
        protocol::ItemRenderer renderer(variables, *this, props.type);
        text = renderer.renderTextItem(item.node);
        return true;
    });
}

}  // namespace ztk
