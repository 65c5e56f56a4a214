// SPDX-License-Identifier: MIT
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
        const QString wanted = protocol::VariablesTable::foldName(name);
        bool sent = false;
        // Every field of that name is written: one variable may stand in several places.
        // The next field is looked up after every send, as a host event during a send may
        // clear or refill the table.
        for (int i = variables.nextNamed(wanted, -1); i >= 0; i = variables.nextNamed(wanted, i)) {
            variables.setValue(i, protocol::fitToWidth(value, variables.at(i).length.toInt()));
            const protocol::VariableEntry& entry = variables.at(i);
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
            variables.setValue(i, QString(qMax(0, variables.at(i).length.toInt()), u' '));
            const protocol::VariableEntry& entry = variables.at(i);
            if (!sendCommand(protocol::stringFileCommand(entry.label, {}, entry.value))) {
                return false;
            }
        }
        return true;
    });
}

}  // namespace ztk
