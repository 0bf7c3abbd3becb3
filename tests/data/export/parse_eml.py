"""Reads a MIME message with Python's standard email package and prints what
it holds as JSON: headers (decoded), the structure, the HTML body and each
attachment (name, type, size and SHA-256 of the decoded bytes)."""
import email
import email.policy
import email.utils
import hashlib
import json
import sys


def main(path):
    with open(path, "rb") as f:
        raw = f.read()
    msg = email.message_from_bytes(raw, policy=email.policy.default)
    out = {
        "headers": [[k, str(v)] for k, v in msg.items()],
        "content_type": msg.get_content_type(),
        "is_multipart": msg.is_multipart(),
        "defects": [type(d).__name__ for d in msg.defects],
        "date_ok": False,
        "parts": [],
        "body": None,
        "attachments": [],
        "crlf_only": b"\n" not in raw.replace(b"\r\n", b""),
    }
    date = msg.get("Date")
    if date is not None:
        try:
            out["date_ok"] = email.utils.parsedate_to_datetime(str(date)) is not None
        except (TypeError, ValueError):
            out["date_ok"] = False
    for part in msg.iter_parts() if msg.is_multipart() else []:
        out["parts"].append(part.get_content_type())
        out["defects"] += [type(d).__name__ for d in part.defects]
        if part.get_content_disposition() == "attachment":
            data = part.get_payload(decode=True) or b""
            out["attachments"].append({
                "filename": part.get_filename(),
                "content_type": part.get_content_type(),
                "size": len(data),
                "sha256": hashlib.sha256(data).hexdigest(),
            })
        elif part.get_content_type() == "text/html" and out["body"] is None:
            out["body"] = part.get_content()
    json.dump(out, sys.stdout)


if __name__ == "__main__":
    main(sys.argv[1])
