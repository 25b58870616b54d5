#!/usr/bin/env python3
"""A fake of the web file service and the version file, on the loopback interface only.

Usage: fake_service.py DIR PASSWORD CERT KEY
Serves plain HTTP and HTTPS (with the given self-signed certificate) on two free ports, prints
"PORTS <http> <https>" and runs until its standard input closes. Before each request it reads the
scenario word from DIR/scenario (written by the test); after it, it stores the raw request as
DIR/last-<endpoint>.raw. The request key is checked against the password, and the transfer key
against the key the request endpoint handed out.
"""
import hashlib
import http.server
import os
import ssl
import sys
import threading
import urllib.parse

DIR, PASSWORD, CERT, KEY = sys.argv[1:5]
SALT = "vk\t#rny"
ISSUED_KEY = "srvkey0123"
ISSUED_DATE = "2020/01/02 03:04:05"


def md5(text):
    return hashlib.md5(text.encode("latin-1")).hexdigest()


def scenario():
    try:
        with open(os.path.join(DIR, "scenario"), encoding="ascii") as f:
            return f.read().strip()
    except OSError:
        return ""


def kvn(inner):
    return ("<kvn>" + inner + "</kvn>").encode("utf-8")


def file_element(title, fileid, update):
    return "<file><title>%s</title><fileid>%s</fileid><update>%s</update></file>" % (title, fileid, update)


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def reply(self, status, body, content_type="text/xml", extra=()):
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(body)))
        for name, value in extra:
            self.send_header(name, value)
        self.end_headers()
        self.wfile.write(body)

    def record(self, body):
        name = self.path.rsplit("/", 1)[-1] or "root"
        with open(os.path.join(DIR, "last-%s.raw" % name), "wb") as f:
            f.write(("%s %s\r\n" % (self.command, self.path)).encode("latin-1"))
            f.write("".join("%s: %s\r\n" % item for item in self.headers.items()).encode("latin-1") + b"\r\n")
            f.write(body)

    def do_GET(self):
        self.record(b"")
        self.answer({}, b"")

    def do_POST(self):
        length = int(self.headers.get("Content-Length", "0"))
        body = self.rfile.read(length)
        self.record(body)
        ctype = self.headers.get("Content-Type", "")
        if ctype.startswith("multipart/form-data"):
            fields = self.multipart(body, ctype)
        else:
            fields = {k: v[0] for k, v in urllib.parse.parse_qs(body.decode("latin-1"), keep_blank_values=True,
                                                               encoding="latin-1").items()}
        self.answer(fields, body)

    @staticmethod
    def multipart(body, ctype):
        boundary = ctype.split("boundary=", 1)[1].encode("latin-1")
        fields = {}
        for part in body.split(b"--" + boundary)[1:]:
            if part.startswith(b"--"):
                break
            head, _, value = part.partition(b"\r\n\r\n")
            name = head.split(b'name="', 1)[1].split(b'"', 1)[0].decode("latin-1")
            fields[name] = value[:-2].decode("latin-1")
        return fields

    def answer(self, fields, body):
        path = self.path
        case = scenario()
        if path == "/soft/verup.txt":
            if case == "404":
                return self.reply(404, b"missing", "text/plain")
            text = {"verup-2037": "Kestavon,3.0,2037/1/1,Later\n"}.get(
                case, "Other,1,2020/1/1,x\r\nKestavon,2.5,2008/4/1,New, build\n")
            return self.reply(200, text.encode("latin-1"), "text/plain")
        if path == "/kvn/kvnfile.php":
            return self.service_request(fields, case)
        if path in ("/kvnupload", "/kvnupdate", "/kvndownload", "/kvndelete"):
            if fields.get("key") != ISSUED_KEY or fields.get("date") != ISSUED_DATE:
                return self.reply(200, b"9\nbad transfer key", "text/palin")
            return self.transfer(path[1:], fields, case)
        return self.reply(404, b"not found", "text/plain")

    def service_request(self, fields, case):
        if fields.get("pass") != md5(md5(PASSWORD) + fields.get("date", "") + SALT):
            return self.reply(200, kvn("<error>9</error><errormes>bad key</errormes>"))
        if case == "error":
            return self.reply(200, kvn("<error>3</error><errormes>no such user</errormes>"))
        if case == "error-silent":
            return self.reply(200, kvn("<error>0</error>"))
        if case == "kvnx":
            return self.reply(200, b"<kvnx><date>x</date></kvnx>")
        common = "<date>%s</date><key>%s</key>" % (ISSUED_DATE, ISSUED_KEY)
        mode = fields.get("mode")
        if mode == "list":
            if case == "list-empty":
                return self.reply(200, kvn(common))
            files = "".join(file_element("Title %d" % i, str(40 + i), "2020/01/0%d 10:00:00" % i) for i in (1, 2, 3))
            return self.reply(200, kvn(common + files))
        if mode == "saveas":
            message = "<message>Overwrite?</message>" if case == "confirm" else "<message></message>"
            return self.reply(200, kvn(common + "<title>%s</title><fileid>77</fileid>%s"
                                       % (fields.get("title", ""), message)))
        if mode == "save":
            return self.reply(200, kvn(common + file_element(fields.get("title", ""), fields.get("fileid", ""),
                                                             "2020/01/02 03:04:05")))
        if mode == "read":
            if case == "read-nofile":
                return self.reply(200, kvn(common))
            update = {"read-new": "2099/01/01 00:00:00"}.get(case, "2000/01/01 00:00:00")
            return self.reply(200, kvn(common + file_element("Memo", fields.get("fileid", ""), update)))
        if mode == "delete":
            return self.reply(200, kvn(common))
        return self.reply(200, kvn("<error>1</error><errormes>unknown mode</errormes>"))

    def transfer(self, endpoint, fields, case):
        if endpoint in ("kvnupload", "kvnupdate"):
            if case == "upload-fail":
                return self.reply(200, b"2\nquota exceeded   \n", "text/palin")
            return self.reply(200, b"0\r\n", "text/palin")
        if endpoint == "kvndelete":
            return self.reply(200, b"0\n", "text/palin")
        if case == "download-404":
            return self.reply(404, b"gone", "text/plain")
        if case == "download-text":
            return self.reply(200, b"4\nno such file", "text/palin")
        name = {"download-evil": "../../x"}.get(case, "doc.kvn")
        with open(os.path.join(DIR, "download.kvn"), "rb") as f:
            content = f.read()
        return self.reply(200, content, "application/octet-stream",
                          [("Content-Disposition", 'attachment; filename="%s"' % name)])


def serve(server):
    threading.Thread(target=server.serve_forever, daemon=True).start()


def main():
    plain = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    secure = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(CERT, KEY)
    secure.socket = context.wrap_socket(secure.socket, server_side=True)
    serve(plain)
    serve(secure)
    print("PORTS %d %d" % (plain.server_address[1], secure.server_address[1]), flush=True)
    sys.stdin.read()


main()
