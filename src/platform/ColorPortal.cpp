#include "platform/ColorPortal.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusObjectPath>
#include <vector>

#include "desktop/PortalColor.h"
#include "text/Translate.h"

namespace hb {

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kObject = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kScreenshot = QStringLiteral("org.freedesktop.portal.Screenshot");
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");
constexpr int kDefaultTimeoutMs = 60 * 1000;

// The "color" entry of a successful answer, a (ddd) structure.
std::optional<TRGBBytes> ColourOf(const QVariantMap& results) {
  const QVariant v = results.value(QStringLiteral("color"));
  if (v.userType() != qMetaTypeId<QDBusArgument>()) return std::nullopt;
  const QDBusArgument arg = v.value<QDBusArgument>();
  if (arg.currentSignature() != QLatin1String("(ddd)")) return std::nullopt;
  std::vector<double> c(3);
  arg.beginStructure();
  arg >> c[0] >> c[1] >> c[2];
  arg.endStructure();
  return PortalColorBytes(c);
}

} // namespace

std::string PortalFailureMessage(TPortalFailure why) {
  switch (why) {
    case TPortalFailure::Unavailable:
      return Tr("ColorPortal",
                "画面から色を取るには、デスクトップのポータル (xdg-desktop-portal) が必要です。"
                "ポータルが見つからないか、色の取得を受け付けませんでした。");
    case TPortalFailure::Malformed:
      return Tr("ColorPortal", "デスクトップのポータルから正しい色が返りませんでした。色は変わっていません。");
    case TPortalFailure::TimedOut:
      return Tr("ColorPortal", "デスクトップのポータルが60秒たっても応答しませんでした。色は変わっていません。");
  }
  return {};
}

TColorPortal::TColorPortal(QObject* parent) : TColorPortal(QDBusConnection::sessionBus(), parent) {}

TColorPortal::TColorPortal(const QDBusConnection& bus, QObject* parent) : QObject(parent), bus_(bus) {
  qRegisterMetaType<hb::TRGBBytes>();
  qRegisterMetaType<hb::TPortalFailure>();
  timeout_.setSingleShot(true);
  timeout_.setInterval(kDefaultTimeoutMs);
  connect(&timeout_, &QTimer::timeout, this, &TColorPortal::OnTimeout);
}

TColorPortal::~TColorPortal() { StopListening(); }

bool TColorPortal::PickColor() {
  if (busy_) return false;
  busy_ = true;
  if (!bus_.isConnected()) {
    FailLater(TPortalFailure::Unavailable);
    return true;
  }
  // The request object's path is known before the call (sender and token),
  // so the answer cannot arrive before we listen for it.
  const QString token = QStringLiteral("huebrook%1").arg(++serial_);
  QString sender = bus_.baseService();
  sender.remove(0, 1).replace(QLatin1Char('.'), QLatin1Char('_'));
  Listen(QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token));

  QDBusMessage call = QDBusMessage::createMethodCall(kService, kObject, kScreenshot, QStringLiteral("PickColor"));
  call << QString() << QVariantMap{{QStringLiteral("handle_token"), token}};
  auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
  connect(watcher, &QDBusPendingCallWatcher::finished, this, &TColorPortal::OnCallFinished);
  timeout_.start();
  return true;
}

bool TColorPortal::Listen(const QString& path) {
  requestPath_ = path;
  return bus_.connect(kService, path, kRequest, QStringLiteral("Response"), this, SLOT(OnResponse(QDBusMessage)));
}

void TColorPortal::StopListening() {
  if (requestPath_.isEmpty()) return;
  bus_.disconnect(kService, requestPath_, kRequest, QStringLiteral("Response"), this,
                  SLOT(OnResponse(QDBusMessage)));
  requestPath_.clear();
}

void TColorPortal::Finish() {
  StopListening();
  timeout_.stop();
  busy_ = false;
}

void TColorPortal::FailLater(TPortalFailure why) {
  QMetaObject::invokeMethod(
      this, [this, why] {
        Finish();
        emit Failed(why);
      },
      Qt::QueuedConnection);
}

void TColorPortal::OnCallFinished(QDBusPendingCallWatcher* watcher) {
  watcher->deleteLater();
  if (!busy_) return;
  const QDBusPendingReply<QDBusObjectPath> reply = *watcher;
  if (reply.isError() || !reply.isValid()) {
    Finish();
    emit Failed(TPortalFailure::Unavailable);
    return;
  }
  // Portals older than version 0.9 do not build the path from the token.
  const QString path = reply.value().path();
  if (path != requestPath_) {
    StopListening();
    Listen(path);
  }
}

void TColorPortal::OnResponse(const QDBusMessage& message) {
  if (!busy_) return;
  const QList<QVariant> args = message.arguments();
  bool ok = args.size() == 2 && args[0].userType() == QMetaType::UInt &&
            args[1].userType() == qMetaTypeId<QDBusArgument>() &&
            args[1].value<QDBusArgument>().currentSignature() == QLatin1String("a{sv}");
  const uint response = ok ? args[0].toUInt() : 0;
  Finish();
  if (!ok) {
    emit Failed(TPortalFailure::Malformed);
    return;
  }
  if (response == 1 || response == 2) {
    emit Cancelled();
    return;
  }
  if (response != 0) {
    emit Failed(TPortalFailure::Unavailable);
    return;
  }
  QVariantMap results;
  args[1].value<QDBusArgument>() >> results;
  if (const auto colour = ColourOf(results))
    emit Picked(*colour);
  else
    emit Failed(TPortalFailure::Malformed);
}

void TColorPortal::OnTimeout() {
  if (!busy_) return;
  // Take the dialog away if the desktop still shows it.
  if (!requestPath_.isEmpty())
    bus_.call(QDBusMessage::createMethodCall(kService, requestPath_, kRequest, QStringLiteral("Close")),
              QDBus::NoBlock);
  Finish();
  emit Failed(TPortalFailure::TimedOut);
}

} // namespace hb
