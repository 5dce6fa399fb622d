#pragma once
// The abstract serial port. It exists so that a port of another kind could be substituted; the
// program itself uses only CSerialCommAPI.

#include <string>

namespace morvik {

class CSerialComm {
  public:
    virtual ~CSerialComm() = default;
    virtual bool Open(int port) = 0;
    virtual bool Close() = 0;
    virtual bool Send(const std::string& text) = 0;
    virtual std::string Receive() = 0;

    void SetTerminator(const std::string& text) { terminator_ = text; }
    const std::string& Terminator() const { return terminator_; }

  private:
    std::string terminator_;
};

}  // namespace morvik
