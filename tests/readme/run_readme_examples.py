#!/usr/bin/python3
# Runs every ```sh example of README.md as it is written, in a home of its own that holds
# what the examples name: the example scripts, a program built from them (product.exe),
# a source tree with a solution and a project, the CI fixture of a repository, and a
# local LibreTranslate server and language-model servers at the addresses the README gives. A command may report
# findings (status 1); an error (status 2 or more, a crash, a message "error:") fails.
import http.server
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import threading

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE = os.path.dirname(os.path.dirname(HERE))
EXAMPLE = os.path.join(SOURCE, "resources/example")
# Set-up, packaging (tools/try_debian_install.sh tries it) and server administration
# are not examples of the program's use.
NOT_RUN = ("./run.sh", "./test.sh", "sudo ", "cd build && cpack", "llama-server ")


class LibreTranslate(http.server.BaseHTTPRequestHandler):
    def do_POST(self):
        body = json.loads(self.rfile.read(int(self.headers["Content-Length"])))
        texts = body["q"]
        answer = [t.upper() for t in texts] if isinstance(texts, list) else texts.upper()
        data = json.dumps({"translatedText": answer}).encode()
        self.send_response(200)
        self.send_header("Content-Type", "application/json")
        self.send_header("Content-Length", str(len(data)))
        self.end_headers()
        self.wfile.write(data)

    def log_message(self, *arguments):
        pass


class ChatModel(LibreTranslate):
    """The OpenAI-compatible chat interface: every item comes back upper-cased."""

    def do_POST(self):
        body = json.loads(self.rfile.read(int(self.headers["Content-Length"])))
        items = json.loads(body["messages"][-1]["content"])["items"]
        content = json.dumps({"translations": [{"index": item["index"],
                                                "text": item["text"].upper()}
                                               for item in items]})
        data = json.dumps({"choices": [{"index": 0, "finish_reason": "stop",
                                        "message": {"role": "assistant", "content": content}}],
                           "usage": {"prompt_tokens": 10, "completion_tokens": 5}}).encode()
        self.send_response(200)
        self.send_header("Content-Type", "application/json")
        self.send_header("Content-Length", str(len(data)))
        self.end_headers()
        self.wfile.write(data)


def serve(port, handler):
    """A server on the port, or None when something of the machine's holds it."""
    try:
        server = http.server.ThreadingHTTPServer(("127.0.0.1", port), handler)
    except OSError:
        print("port %d is taken: the examples that need it are not run" % port)
        return None
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def run(command, cwd):
    subprocess.run(command, cwd=cwd, check=True, capture_output=True)


def build_program(folder):
    for name in ("example.rc", "resource.h", "afxres.h"):
        shutil.copy(os.path.join(EXAMPLE, name), folder)
    shutil.copytree(os.path.join(EXAMPLE, "res"), os.path.join(folder, "res"))
    with open(os.path.join(folder, "main.c"), "w") as f:
        f.write("int main(void) { return 0; }\n")
    run(["llvm-rc", "/C", "1252", "/FO", "example.res", "example.rc"], folder)
    run(["x86_64-w64-mingw32-windres", "-i", "example.res", "-O", "coff", "-o", "example.o"],
        folder)
    run(["x86_64-w64-mingw32-gcc", "-mwindows", "-o", "product.exe", "main.c", "example.o"],
        folder)
    return os.path.join(folder, "product.exe")


def make_home(home, build):
    """The working folder the examples run in, and the files they name."""
    work = os.path.join(home, "work")
    os.makedirs(os.path.join(work, "build"))
    os.symlink(os.path.join(build, "bin"), os.path.join(work, "build/bin"))
    shutil.copytree(os.path.join(SOURCE, "resources"), os.path.join(work, "resources"))
    program = build_program(tempfile.mkdtemp(dir=home))
    shutil.copy(program, work)
    os.makedirs(os.path.join(work, "src"))
    shutil.copy(os.path.join(EXAMPLE, "resource.h"), os.path.join(work, "src"))
    shutil.copy(os.path.join(EXAMPLE, "example_de.rc"), os.path.join(work, "product_de.rc"))
    os.makedirs(os.path.join(home, "programs"))
    shutil.copy(program, os.path.join(home, "programs"))
    product = os.path.join(home, "src/product")
    shutil.copytree(os.path.join(SOURCE, "tests/data/ci/repo/l10n"), product)
    shutil.copy(os.path.join(product, "app.tvx"), os.path.join(product, "product.tvx"))
    with open(os.path.join(product, "product.sln"), "w") as f:
        f.write('Project("{8BC9CEB8-8B4A-11D0-8D11-00A0C91BC942}") = "product", '
                '"product.vcxproj", "{11111111-1111-1111-1111-111111111111}"\nEndProject\n')
    with open(os.path.join(product, "product.vcxproj"), "w") as f:
        f.write('<Project><ItemGroup><ResourceCompile Include="app.rc" /></ItemGroup>'
                '</Project>\n')
    shutil.copytree(os.path.join(SOURCE, "tests/data/ci/repo/l10n"), os.path.join(work, "l10n"))
    with open(os.path.join(work, "changed-files.txt"), "w") as f:
        f.write("l10n/app_de.rc\n")
    return work


def examples():
    with open(os.path.join(SOURCE, "README.md"), encoding="utf-8") as f:
        blocks = re.findall(r"```sh\n(.*?)```", f.read(), re.S)
    for block in blocks:
        # A command goes on over lines that end in a backslash.
        for command in re.sub(r"\\\n\s*", " ", block).splitlines():
            command = command.strip()
            if command and not command.startswith("#") and not command.startswith(NOT_RUN):
                yield command


def main():
    build = os.path.abspath(sys.argv[1])
    servers = {port: serve(port, handler) for port, handler in
               ((5000, LibreTranslate), (8080, ChatModel), (11434, ChatModel))}
    failures = 0
    with tempfile.TemporaryDirectory() as home:
        work = make_home(home, build)
        environment = dict(os.environ, HOME=home, QT_QPA_PLATFORM="offscreen")
        count = 0
        for command in examples():
            if any(server is None and "localhost:%d" % port in command
                   for port, server in servers.items()):
                continue
            count += 1
            result = subprocess.run(["bash", "-c", command], cwd=work, env=environment,
                                    capture_output=True, text=True, timeout=300)
            # A translation through the local servers fills every item: status 0.
            allowed = (0,) if "--mt " in command else (0, 1)
            if result.returncode not in allowed or "error:" in result.stderr:
                failures += 1
                print("FAIL (%d): %s\n%s" % (result.returncode, command, result.stderr[-2000:]))
    for server in servers.values():
        if server:
            server.shutdown()
    print("%d examples ran, %d failed" % (count, failures))
    sys.exit(1 if failures or count == 0 else 0)


if __name__ == "__main__":
    main()
