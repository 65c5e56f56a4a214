// Variable fields: each lives in its own string file on the sign, so an update is one small
// packet per field and the text file around it is not sent again.
#include "ZTKMarqueeControl/ztkenums.h"
#include "front/marqueecontext.h"
#include "protocol/multipageflag.h"

namespace ztk {
namespace {

const QString kUpdateVariable = QStringLiteral("UpdateVariable");

}  // namespace

bool MarqueeContext::writeVariable(const QString& name, const QString& value,
                                   const protocol::ValueCodes& codes) {
    return runRoutine(kUpdateVariable, [&] {
        if (!variables.isCreated()) return false;
        const QString wanted = name.toUpper();
        bool sent = false;
        // Every field of that name is written: one variable may stand in several places.
        // The count is read on every round, as a host event during a send may clear the table.
        for (int i = 0; i < variables.count(); ++i) {
            protocol::VariableEntry& entry = variables.at(i);
            if (entry.name.toUpper() != wanted) continue;
            entry.value = protocol::fitToWidth(value, entry.length.toInt());
            if (sendCommand(protocol::stringFileCommand(entry.label, codes, entry.value))) {
                sent = true;
            }
        }
        return sent;
    });
}

bool MarqueeContext::updateVariable(const QString& name, const QString& value) {
    return writeVariable(name, value, {});
}

bool MarqueeContext::updateVariableAdv(const QString& name, const QString& value,
                                       const QString& color, std::int16_t flash) {
    const bool singlePageTemplate =
        props.displayMode == ztkStateTemplate && !protocol::multipageFlag();
    return writeVariable(name, value, protocol::valueCodes(color, flash, singlePageTemplate));
}

bool MarqueeContext::blankVariables() {
    return runRoutine(kUpdateVariable, [&] {
        if (!variables.isCreated()) return false;
        for (int i = 0; i < variables.count(); ++i) {
            protocol::VariableEntry& entry = variables.at(i);
            entry.value = QString(qMax(0, entry.length.toInt()), u' ');
            if (!sendCommand(protocol::stringFileCommand(entry.label, {}, entry.value))) {
                return false;
            }
        }
        return true;
    });
}

}  // namespace ztk
