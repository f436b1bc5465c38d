#!/usr/bin/env python3
"""Serves this folder as the Korvana web site on the loopback interface.

    python3 serve.py [port]          default port 8000

The same as `python3 -m http.server --bind 127.0.0.1`, except that the .php
pages are sent as HTML so that a browser shows them instead of saving them.
"""
import functools
import http.server
import os
import sys


class SiteHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {
        **http.server.SimpleHTTPRequestHandler.extensions_map,
        ".php": "text/html; charset=utf-8",
        ".txt": "text/plain; charset=utf-8",
    }


def main():
    port = int(sys.argv[1]) if len(sys.argv) > 1 else 8000
    handler = functools.partial(SiteHandler, directory=os.path.dirname(os.path.abspath(__file__)))
    with http.server.ThreadingHTTPServer(("127.0.0.1", port), handler) as server:
        print(f"Korvana site at http://127.0.0.1:{port}")
        server.serve_forever()


if __name__ == "__main__":
    main()
