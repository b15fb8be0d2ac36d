#pragma once
// The receive assembler: collects bytes one at a time, decides by fixed
// rules when the buffer holds a complete response, logs it and offers it to
// the command objects. Bytes that never complete are flushed into the text
// logs, where the gateway's "#DBUGS" debug records are picked out.
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <functional>

#include "engine/bytes.h"

namespace gx {

class Timer;
class Clock;
class MemoLog;
class FieldAccess;

class trecclass {
 public:
  struct Deps {
    Timer& flush;            // tmr2, 800 ms
    Timer& responseTimeout;  // tmr1
    Timer& shortResponse;    // tmr_debugdata_process, 1000 ms
    MemoLog& receiveLog;     // mmo2
    MemoLog& currentLog;     // mmo3
    MemoLog& rawLog;         // mmo4
    FieldAccess& fields;     // lst1 ... lst8, rn1
    Clock& clock;            // time stamps of debug lines
    std::function<void(const uint8_t*, int)> offer;  // to the command objects, in their order
    // The flush threw away the start of a '#' frame, which had stopped the
    // response time-out; whoever still waits needs it running again.
    std::function<void()> partialFrameFlushed;
  };
  explicit trecclass(Deps deps);

  void AddByte(uint8_t b);
  void Dispatch();
  void ResetBuffer();
  // tmr2's handler.
  void FlushTimerTick();
  // tmr_debugdata_process's handler.
  void ShortResponseTimerTick();
  // Adds one time-stamped line to a list box, with the 96-item cap.
  void AddTimedLine(const QString& list, const QString& text);

  [[nodiscard]] int length() const { return length_; }
  [[nodiscard]] const Bytes300& buffer() const { return buf_; }

 private:
  void FlushToLog();
  // Picks the first "#DBUGS" record out of text and removes it (and all before it).
  void ParseDebugRecord(QByteArray& text);
  [[nodiscard]] bool frameUnderWay() const;

  Deps d_;
  uint16_t length_ = 0;
  uint16_t expected_ = 0;
  uint16_t threshold_ = 0;
  uint8_t shortFlag_ = 0;
  bool byteSinceFlushTick_ = false;
  Bytes300 buf_{};
};

// "c" time stamp: the locale's short date and its time of day.
[[nodiscard]] QString timeStampText(const QDateTime& dt);

}  // namespace gx
