// Showing message-file items: the file is read afresh for every display, the item rendered
// whole and sent as one packet, so a file that fails anywhere sends nothing.
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
        pugi::xml_document doc;
        protocol::loadMessageItemFile(doc, ItemKind::Template, props.messageFile,
                                      props.templateName);
        const pugi::xml_node templ = protocol::findMessageItem(
            doc, ItemKind::Template, props.messageFile, props.templateName);
        protocol::ItemRenderer renderer(variables, *this, props.type);
        const QByteArray body = renderer.renderTemplate(templ);
        return sendTextFile(mOrvexProtocolRoutines::TextFileCommand() + body);
    });
}

bool MarqueeContext::updateStringDisplay() {
    return runRoutine(QStringLiteral("UpdateStringDisplay"), [&] {
        pugi::xml_document doc;
        protocol::loadMessageItemFile(doc, ItemKind::String, props.messageFile, props.stringName);
        const pugi::xml_node item =
            protocol::findMessageItem(doc, ItemKind::String, props.messageFile, props.stringName);
        protocol::ItemRenderer renderer(variables, *this, props.type);
        const QByteArray body = renderer.renderTextItem(item);
        return sendTextFile(mOrvexProtocolRoutines::TextFileCommand() + body);
    });
}

bool MarqueeContext::updateAlarmDisplay(QByteArray& text) {
    return runRoutine(QStringLiteral("UpdateAlarmDisplay"), [&] {
        pugi::xml_document doc;
        protocol::loadMessageItemFile(doc, ItemKind::Alarm, props.messageFile, props.alarmName);
        const pugi::xml_node item =
            protocol::findMessageItem(doc, ItemKind::Alarm, props.messageFile, props.alarmName);
        protocol::ItemRenderer renderer(variables, *this, props.type);
        text = renderer.renderTextItem(item);
        return true;
    });
}

}  // namespace ztk
