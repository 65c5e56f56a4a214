// SPDX-License-Identifier: MIT
// The public Marquee: methods forward to its context, property setters apply the set rules.
#include "ZTKMarqueeControl/marquee.h"

#include "front/marqueecontext.h"
#include "front/propertyrules.h"

namespace ztk {
namespace {

// Runs one public call on `context`. The waits inside a call run host events, and a host
// event handler may destroy the Marquee meanwhile: the context then stays alive until the
// outermost call returns, and only then ends the control.
template <typename Call>
bool enter(MarqueeContext* context, Call&& call) {
    ++context->state.callDepth;
    const bool result = call(*context);
    if (--context->state.callDepth == 0 && context->state.orphaned) {
        context->terminate();
        delete context;
    }
    return result;
}

}  // namespace

Marquee::Marquee() : context_(std::make_unique<MarqueeContext>()) {}

Marquee::~Marquee() {
    if (context_->state.callDepth > 0) {
        // Destroyed from a host event handler during one of its own waits: the call in
        // progress still uses the context and ends it when it returns.
        context_->state.orphaned = true;
        static_cast<void>(context_.release());
        return;
    }
    context_->terminate();
}

MarqueeContext& contextOf(Marquee& marquee) {
    return *marquee.context_;
}

bool Marquee::AlarmAdd() {
    return enter(context_.get(), [](MarqueeContext& c) { return c.alarmAdd(); });
}
bool Marquee::AlarmAcknowledge() {
    return enter(context_.get(), [](MarqueeContext& c) { return c.alarmAcknowledge(); });
}
bool Marquee::AlarmAcknowledgeAll() {
    return enter(context_.get(), [](MarqueeContext& c) { return c.alarmAcknowledgeAll(); });
}
bool Marquee::ChangeMode(const QString& p_tNewMode) {
    return enter(context_.get(), [&](MarqueeContext& c) { return c.changeMode(p_tNewMode); });
}
bool Marquee::Clear() {
    return enter(context_.get(), [](MarqueeContext& c) { return c.clear(); });
}

bool Marquee::Initialize(std::int16_t p_iStringSizeInBytes) {
    return enter(context_.get(), [&](MarqueeContext& c) {
        return c.initialize(p_iStringSizeInBytes, false, false);
    });
}

bool Marquee::QuickDisplay(const QString& p_tText, const QString& p_tColor, const QString& p_tFont,
                           const QString& p_tMode, const QString& p_tSpecial,
                           const QString& p_tPosition) {
    return enter(context_.get(), [&](MarqueeContext& c) {
        return c.quickDisplay(p_tText, p_tColor, p_tFont, p_tMode, p_tSpecial, p_tPosition);
    });
}

bool Marquee::Reset() {
    return enter(context_.get(), [](MarqueeContext& c) { return c.reset(); });
}

bool Marquee::UpdateVariable(const QString& p_tName, const QString& p_tValue) {
    return enter(context_.get(),
                 [&](MarqueeContext& c) { return c.updateVariable(p_tName, p_tValue); });
}

bool Marquee::UpdateVariableAdv(const QString& p_tName, const QString& p_tValue,
                                const QString& p_tColor, std::int16_t p_iFlash) {
    return enter(context_.get(), [&](MarqueeContext& c) {
        return c.updateVariableAdv(p_tName, p_tValue, p_tColor, p_iFlash);
    });
}

bool Marquee::InitializeAdv(std::int16_t p_iStringSizeInBytes, bool p_fOpenCloseIPPort) {
    return enter(context_.get(), [&](MarqueeContext& c) {
        return c.initialize(p_iStringSizeInBytes, true, p_fOpenCloseIPPort);
    });
}

bool Marquee::ResetCommunication() {
    return enter(context_.get(), [](MarqueeContext& c) { return c.resetCommunication(); });
}
QString Marquee::GetSocketState() const {
    return context_->socketState();
}

// --- Properties that take any value at any time ---

QString Marquee::MessageFile() const {
    return context_->props.messageFile;
}
void Marquee::setMessageFile(const QString& value) {
    context_->props.messageFile = value;
    context_->markChanged(QStringLiteral("MessageFile"));
}

QString Marquee::TemplateName() const {
    return context_->props.templateName;
}
void Marquee::setTemplateName(const QString& value) {
    context_->props.templateName = value;
    context_->markChanged(QStringLiteral("TemplateName"));
}

QString Marquee::StringName() const {
    return context_->props.stringName;
}
void Marquee::setStringName(const QString& value) {
    context_->props.stringName = value;
    context_->markChanged(QStringLiteral("StringName"));
}

QString Marquee::AlarmName() const {
    return context_->props.alarmName;
}
void Marquee::setAlarmName(const QString& value) {
    context_->props.alarmName = value;
    context_->markChanged(QStringLiteral("AlarmName"));
}

QString Marquee::MarqueeLogFile() const {
    return context_->props.logFile;
}
void Marquee::setMarqueeLogFile(const QString& value) {
    context_->props.logFile = value;
    context_->markChanged(QStringLiteral("MarqueeLogFile"));
}

QString Marquee::MarqueeAddress() const {
    return context_->props.address;
}
void Marquee::setMarqueeAddress(const QString& value) {
    context_->props.address = normalizeMarqueeAddress(value);
    context_->markChanged(QStringLiteral("MarqueeAddress"));
}

// --- Properties with their own rules ---

std::uint8_t Marquee::MarqueeDisplayMode() const {
    return context_->props.displayMode;
}
void Marquee::setMarqueeDisplayMode(std::uint8_t) {
    refuseDisplayModeSet();
}

std::uint8_t Marquee::MarqueeType() const {
    return context_->props.type;
}
void Marquee::setMarqueeType(std::uint8_t value) {
    checkDesignMode(context_->state.runMode);
    context_->props.type = value;
    context_->markChanged(QStringLiteral("MarqueeType"));
}

// --- Communication properties, locked once Initialize has succeeded ---

std::uint8_t Marquee::MarqueeConnectMode() const {
    return context_->props.connectMode;
}
void Marquee::setMarqueeConnectMode(std::uint8_t value) {
    checkUnlocked(context_->state.initialized, "MarqueeConnectMode");
    checkRange(isValidConnectMode(value));
    context_->props.connectMode = value;
    context_->markChanged(QStringLiteral("MarqueeConnectMode"));
}

std::uint8_t Marquee::SerialComPort() const {
    return context_->props.serialComPort;
}
void Marquee::setSerialComPort(std::uint8_t value) {
    checkUnlocked(context_->state.initialized, "SerialComPort");
    checkRange(isValidComPort(value));
    context_->props.serialComPort = value;
    context_->markChanged(QStringLiteral("SerialComPort"));
}

std::int32_t Marquee::SerialBaudRate() const {
    return context_->props.serialBaudRate;
}
void Marquee::setSerialBaudRate(std::int32_t value) {
    checkUnlocked(context_->state.initialized, "SerialBaudRate");
    checkRange(isValidBaudRate(value));
    context_->props.serialBaudRate = value;
    context_->markChanged(QStringLiteral("SerialBaudRate"));
}

QString Marquee::SerialParity() const {
    return context_->props.serialParity;
}
void Marquee::setSerialParity(const QString& value) {
    checkUnlocked(context_->state.initialized, "SerialParity");
    checkRange(isValidParity(value));
    context_->props.serialParity = value;
    context_->markChanged(QStringLiteral("SerialParity"));
}

std::uint8_t Marquee::SerialDataBits() const {
    return context_->props.serialDataBits;
}
void Marquee::setSerialDataBits(std::uint8_t value) {
    checkUnlocked(context_->state.initialized, "SerialDataBits");
    checkRange(isValidDataBits(value));
    context_->props.serialDataBits = value;
    context_->markChanged(QStringLiteral("SerialDataBits"));
}

std::uint8_t Marquee::SerialStopBits() const {
    return context_->props.serialStopBits;
}
void Marquee::setSerialStopBits(std::uint8_t value) {
    checkUnlocked(context_->state.initialized, "SerialStopBits");
    checkRange(isValidStopBits(value));
    context_->props.serialStopBits = value;
    context_->markChanged(QStringLiteral("SerialStopBits"));
}

QString Marquee::NetworkAddress() const {
    return context_->props.networkAddress;
}
void Marquee::setNetworkAddress(const QString& value) {
    checkUnlocked(context_->state.initialized, "NetworkAddress");
    context_->props.networkAddress = value;
    context_->markChanged(QStringLiteral("NetworkAddress"));
}

std::int32_t Marquee::NetworkPort() const {
    return context_->props.networkPort;
}
void Marquee::setNetworkPort(std::int16_t value) {
    checkUnlocked(context_->state.initialized, "NetworkPort");
    checkRange(isValidNetworkPort(value));
    context_->props.networkPort = value;
    context_->markChanged(QStringLiteral("NetworkPort"));
}

// --- Host integration ---

void Marquee::setRunMode(bool runMode) {
    context_->state.runMode = runMode;
}
bool Marquee::isRunMode() const {
    return context_->state.runMode;
}
QStringList Marquee::changedProperties() const {
    return context_->changed;
}

}  // namespace ztk
