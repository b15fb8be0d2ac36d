#pragma once
// The command object family. One long-lived instance per kind of operation;
// each builds its request, transmits it, waits for its answer under the
// shared response time-out and moves its transaction on.
//
//   tuart > tsimcmd > tforcerespond > ttimerrequire > tpattern > thardcover > tctncmdhc
#include <QByteArray>
#include <QString>
#include <cstdint>

#include "engine/bytes.h"
#include "link/frame.h"

namespace gx {

class CommForm;

class tuart {
 public:
  explicit tuart(CommForm& form) : form_(form) {}
  virtual ~tuart() = default;
  tuart(const tuart&) = delete;
  tuart& operator=(const tuart&) = delete;

  // Hands the transmit buffer to the port and keeps a copy for Resend.
  void Transmit();
  void Resend();

  [[nodiscard]] QByteArray transmitted() const {
    return QByteArray(reinterpret_cast<const char*>(tx_.data()), txLength_);
  }

 protected:
  CommForm& form_;
  Bytes300 tx_{};
  uint16_t txLength_ = 0;
  Bytes300 resend_{};
  uint16_t resendLength_ = 0;
  uint8_t retryEnabled_ = 0;
  uint8_t retryLimit_ = 0;
  uint8_t retryCount_ = 0;

  void setTransmit(const QByteArray& bytes);
};

// Sends without waiting (text command lines).
class tsimcmd : public tuart {
 public:
  using tuart::tuart;
  virtual void Send();
  virtual void BuildRequest();
  // Sends when the port is open; otherwise reports the closed port.
  void Execute();

  QByteArray commandText;  // the line of the text-line commands, without CR LF
};

// Expects a response.
class tforcerespond : public tsimcmd {
 public:
  using tsimcmd::tsimcmd;
  void Send() override;
  virtual void OfferResponse(const uint8_t* bytes, int length);
  virtual void OnResponse(const uint8_t* bytes, int length);

  [[nodiscard]] bool awaiting() const { return awaiting_; }
  [[nodiscard]] bool listening() const { return listening_; }
  [[nodiscard]] const Bytes300& response() const { return rx_; }
  [[nodiscard]] int responseLength() const { return rxLength_; }

 protected:
  uint8_t received_ = 0;
  Bytes300 rx_{};
  uint16_t rxLength_ = 0;
  bool awaiting_ = false;
  bool listening_ = false;
};

// Adds the shared response time-out and resends.
class ttimerrequire : public tforcerespond {
 public:
  using tforcerespond::tforcerespond;
  void Send() override;
  void OnResponse(const uint8_t* bytes, int length) override;
  virtual void OnTimeout();

  // Run on every tmr1 tick for each waiting-capable object.
  void TimeoutTick();
  void StartListening();
  void StopListening() { listening_ = false; }

 protected:
  uint16_t timeoutInterval_ = 0;
};

// Request and response are device frames.
class tpattern : public ttimerrequire {
 public:
  using ttimerrequire::ttimerrequire;
  void Send() override;
  void BuildRequest() override;
  void OnResponse(const uint8_t* bytes, int length) override;

  void ClearData() { frame_.clearData(); }
  void SetAddress(uint32_t value) { frame_.setAddress(value); }
  [[nodiscard]] bool valid() const { return valid_; }
  [[nodiscard]] const RequestFrame& frame() const { return frame_; }

 protected:
  // Sets the valid flag when the response copy's check byte is right.
  void CheckResponse();
  RequestFrame frame_{};
  uint8_t valid_ = 0;
};

// A single-frame device query.
class thardcover : public tpattern {
 public:
  using tpattern::tpattern;
  void BuildRequest() override;
  void OnResponse(const uint8_t* bytes, int length) override;
  virtual void OnAnswer() = 0;
  virtual void OnA0Response() = 0;
  virtual void FillRequest() = 0;
};

// A record stream: record 1 to n, one request after the other.
class tctncmdhc : public thardcover {
 public:
  using thardcover::thardcover;
  void OnResponse(const uint8_t* bytes, int length) override;
  virtual void Advance();
  virtual void Finish();

  void StartStream();
  [[nodiscard]] int current() const { return current_; }
  [[nodiscard]] int total() const { return total_; }
  [[nodiscard]] bool running() const { return running_; }

 protected:
  uint8_t current_ = 0;
  uint8_t total_ = 0;
  uint8_t running_ = 0;
};

}  // namespace gx
