// The team server's schema, one upgrade step per version. Never edit a step that shipped:
// append one.
#include "server_schema.h"

#include <array>

namespace rangedesk::team {
namespace {

// Version 1: jobs, downloads with their records, readings; each editable row with its version;
// an xact column that says which transaction last wrote the row (desks pull the edits of
// others by it); the edit functions that decide between two desks; change notices; grants.
constexpr const char* kStep1 = R"sql(
CREATE TABLE rangedesk.jobs (
    uuid uuid PRIMARY KEY,
    name text NOT NULL CHECK (length(name) BETWEEN 1 AND 200),
    client text NOT NULL DEFAULT '',
    address text NOT NULL DEFAULT '',
    notes text NOT NULL DEFAULT '',
    created timestamptz NOT NULL,
    desk text NOT NULL DEFAULT '',
    search text NOT NULL DEFAULT '',      -- name and client, case-folded by the desk
    version integer NOT NULL DEFAULT 1,
    changed timestamptz,
    changed_by text NOT NULL DEFAULT '',
    lost_by text NOT NULL DEFAULT '',     -- the desk whose edit this one replaced unseen
    xact xid8 NOT NULL DEFAULT pg_current_xact_id()
);
CREATE TABLE rangedesk.downloads (
    uuid uuid PRIMARY KEY,
    started timestamptz NOT NULL,
    finished timestamptz,
    model integer NOT NULL DEFAULT 0,
    vendor integer NOT NULL DEFAULT 0,
    product integer NOT NULL DEFAULT 0,
    serial text NOT NULL DEFAULT '',
    simulated boolean NOT NULL DEFAULT false,
    decimal_separator text NOT NULL DEFAULT '',
    asked integer NOT NULL DEFAULT 0,
    stored integer NOT NULL DEFAULT 0,
    new_records integer NOT NULL DEFAULT 0,
    outcome text NOT NULL,
    desk text NOT NULL,
    "user" text NOT NULL DEFAULT '',
    job uuid,                             -- a job of rangedesk.jobs; it may arrive later
    job_version integer NOT NULL DEFAULT 1,
    changed timestamptz,
    changed_by text NOT NULL DEFAULT '',
    lost_by text NOT NULL DEFAULT '',
    received timestamptz NOT NULL DEFAULT now(),
    pushed_by name NOT NULL DEFAULT current_user,
    xact xid8 NOT NULL DEFAULT pg_current_xact_id()
);
CREATE INDEX downloads_started ON rangedesk.downloads (started DESC);
CREATE INDEX downloads_job ON rangedesk.downloads (job);
CREATE INDEX downloads_desk ON rangedesk.downloads (desk);
CREATE INDEX downloads_edited ON rangedesk.downloads (xact) WHERE changed IS NOT NULL;
CREATE TABLE rangedesk.records (
    download uuid NOT NULL REFERENCES rangedesk.downloads (uuid) ON DELETE CASCADE,
    recno integer NOT NULL CHECK (recno >= 0),
    reply bytea,                          -- the meter's bytes; NULL for imported rows
    mode text NOT NULL DEFAULT '',
    unit text NOT NULL DEFAULT '',
    dist1 text NOT NULL DEFAULT '',
    dist2 text NOT NULL DEFAULT '',
    dist3 text NOT NULL DEFAULT '',
    result text NOT NULL DEFAULT '',
    label text NOT NULL DEFAULT '',
    note text NOT NULL DEFAULT '',
    deduction boolean NOT NULL DEFAULT false,
    search text NOT NULL DEFAULT '',      -- mode, label and note, case-folded by the desk
    version integer NOT NULL DEFAULT 1,
    changed timestamptz,
    changed_by text NOT NULL DEFAULT '',
    lost_by text NOT NULL DEFAULT '',
    xact xid8 NOT NULL DEFAULT pg_current_xact_id(),
    PRIMARY KEY (download, recno)
);
CREATE INDEX records_edited ON rangedesk.records (xact) WHERE changed IS NOT NULL;
CREATE TABLE rangedesk.readings (
    uuid uuid PRIMARY KEY,
    taken timestamptz NOT NULL,
    model integer NOT NULL DEFAULT 0,
    vendor integer NOT NULL DEFAULT 0,
    product integer NOT NULL DEFAULT 0,
    serial text NOT NULL DEFAULT '',
    simulated boolean NOT NULL DEFAULT false,
    distance_tenths bigint NOT NULL,
    text text NOT NULL,
    job uuid,
    label text NOT NULL DEFAULT '',
    note text NOT NULL DEFAULT '',
    desk text NOT NULL DEFAULT '',
    search text NOT NULL DEFAULT '',
    version integer NOT NULL DEFAULT 1,
    changed timestamptz,
    changed_by text NOT NULL DEFAULT '',
    lost_by text NOT NULL DEFAULT '',
    xact xid8 NOT NULL DEFAULT pg_current_xact_id()
);
CREATE INDEX readings_edited ON rangedesk.readings (xact);
CREATE INDEX jobs_edited ON rangedesk.jobs (xact);

-- Every write stamps the row with its transaction, so a desk's pull position is exact.
CREATE FUNCTION rangedesk.stamp_xact() RETURNS trigger LANGUAGE plpgsql AS $$
BEGIN
    NEW.xact := pg_current_xact_id();
    RETURN NEW;
END $$;
-- One notice per statement; the payload is the desk the pushing session named.
CREATE FUNCTION rangedesk.announce() RETURNS trigger LANGUAGE plpgsql AS $$
BEGIN
    PERFORM pg_notify('rangedesk_changes', coalesce(current_setting('rangedesk.desk', true), ''));
    RETURN NULL;
END $$;

-- An edit against the server's row: 'same' (already there: a push resent), 'apply' (built on
-- the server's version, or on this desk's own), 'override' (another desk's version it had not
-- seen, and this edit is the later), 'lost' (the other desk's edit is the later).
CREATE FUNCTION rangedesk.edit_outcome(sv integer, sc timestamptz, sb text,
                                       iv integer, ic timestamptz, ib text)
RETURNS text LANGUAGE sql IMMUTABLE AS $$
    SELECT CASE
        WHEN sv = iv AND sc IS NOT DISTINCT FROM ic AND sb = ib THEN 'same'
        WHEN sv = iv - 1 OR sb = ib THEN 'apply'
        WHEN (coalesce(ic, '-infinity'), ib) > (coalesce(sc, '-infinity'), sb) THEN 'override'
        ELSE 'lost'
    END
$$;
-- The version an accepted edit leaves: above both sides'.
CREATE FUNCTION rangedesk.next_version(verdict text, sv integer, iv integer)
RETURNS integer LANGUAGE sql IMMUTABLE AS $$
    SELECT CASE WHEN verdict = 'apply' THEN greatest(sv + 1, iv) ELSE greatest(sv, iv) + 1 END
$$;

CREATE FUNCTION rangedesk.edit_records(edits jsonb)
RETURNS TABLE (outcome text, state jsonb) LANGUAGE plpgsql AS $$
DECLARE
    e record;
    s rangedesk.records;
    verdict text;
BEGIN
    FOR e IN SELECT * FROM jsonb_to_recordset(edits) AS x(download uuid, recno integer,
             label text, note text, deduction boolean, search text, version integer,
             changed timestamptz, changed_by text)
    LOOP
        SELECT * INTO s FROM rangedesk.records r
         WHERE r.download = e.download AND r.recno = e.recno FOR UPDATE;
        IF NOT FOUND THEN
            outcome := 'missing';
            state := jsonb_build_object('download', e.download, 'recno', e.recno);
            RETURN NEXT;
            CONTINUE;
        END IF;
        verdict := rangedesk.edit_outcome(s.version, s.changed, s.changed_by,
                                          e.version, e.changed, e.changed_by);
        IF verdict IN ('apply', 'override') THEN
            UPDATE rangedesk.records r
               SET label = e.label, note = e.note, deduction = e.deduction, search = e.search,
                   version = rangedesk.next_version(verdict, s.version, e.version),
                   changed = e.changed, changed_by = e.changed_by,
                   lost_by = CASE WHEN verdict = 'override' THEN s.changed_by ELSE '' END
             WHERE r.download = e.download AND r.recno = e.recno
            RETURNING * INTO s;
        END IF;
        outcome := verdict;
        state := to_jsonb(s) - 'reply' - 'search' - 'xact';
        RETURN NEXT;
    END LOOP;
END $$;

CREATE FUNCTION rangedesk.edit_downloads(edits jsonb)
RETURNS TABLE (outcome text, state jsonb) LANGUAGE plpgsql AS $$
DECLARE
    e record;
    s rangedesk.downloads;
    verdict text;
BEGIN
    FOR e IN SELECT * FROM jsonb_to_recordset(edits) AS x(uuid uuid, job uuid,
             job_version integer, changed timestamptz, changed_by text)
    LOOP
        SELECT * INTO s FROM rangedesk.downloads d WHERE d.uuid = e.uuid FOR UPDATE;
        IF NOT FOUND THEN
            outcome := 'missing';
            state := jsonb_build_object('uuid', e.uuid);
            RETURN NEXT;
            CONTINUE;
        END IF;
        verdict := rangedesk.edit_outcome(s.job_version, s.changed, s.changed_by,
                                          e.job_version, e.changed, e.changed_by);
        IF verdict IN ('apply', 'override') THEN
            UPDATE rangedesk.downloads d
               SET job = e.job,
                   job_version = rangedesk.next_version(verdict, s.job_version, e.job_version),
                   changed = e.changed, changed_by = e.changed_by,
                   lost_by = CASE WHEN verdict = 'override' THEN s.changed_by ELSE '' END
             WHERE d.uuid = e.uuid
            RETURNING * INTO s;
        END IF;
        outcome := verdict;
        state := to_jsonb(s) - 'xact';
        RETURN NEXT;
    END LOOP;
END $$;

CREATE FUNCTION rangedesk.edit_jobs(edits jsonb)
RETURNS TABLE (outcome text, state jsonb) LANGUAGE plpgsql AS $$
DECLARE
    e record;
    s rangedesk.jobs;
    verdict text;
BEGIN
    FOR e IN SELECT * FROM jsonb_to_recordset(edits) AS x(uuid uuid, name text, client text,
             address text, notes text, created timestamptz, desk text, search text,
             version integer, changed timestamptz, changed_by text)
    LOOP
        SELECT * INTO s FROM rangedesk.jobs j WHERE j.uuid = e.uuid FOR UPDATE;
        IF NOT FOUND THEN
            INSERT INTO rangedesk.jobs (uuid, name, client, address, notes, created, desk,
                                        search, version, changed, changed_by)
            VALUES (e.uuid, e.name, e.client, e.address, e.notes, e.created, e.desk,
                    e.search, e.version, e.changed, e.changed_by)
            RETURNING * INTO s;
            verdict := 'same';
        ELSE
            verdict := rangedesk.edit_outcome(s.version, s.changed, s.changed_by,
                                              e.version, e.changed, e.changed_by);
        END IF;
        IF verdict IN ('apply', 'override') THEN
            UPDATE rangedesk.jobs j
               SET name = e.name, client = e.client, address = e.address, notes = e.notes,
                   search = e.search,
                   version = rangedesk.next_version(verdict, s.version, e.version),
                   changed = e.changed, changed_by = e.changed_by,
                   lost_by = CASE WHEN verdict = 'override' THEN s.changed_by ELSE '' END
             WHERE j.uuid = e.uuid
            RETURNING * INTO s;
        END IF;
        outcome := verdict;
        state := to_jsonb(s) - 'search' - 'xact';
        RETURN NEXT;
    END LOOP;
END $$;

CREATE FUNCTION rangedesk.edit_readings(edits jsonb)
RETURNS TABLE (outcome text, state jsonb) LANGUAGE plpgsql AS $$
DECLARE
    e record;
    s rangedesk.readings;
    verdict text;
BEGIN
    FOR e IN SELECT * FROM jsonb_to_recordset(edits) AS x(uuid uuid, taken timestamptz,
             model integer, vendor integer, product integer, serial text, simulated boolean,
             distance_tenths bigint, text text, job uuid, label text, note text, desk text,
             search text, version integer, changed timestamptz, changed_by text)
    LOOP
        SELECT * INTO s FROM rangedesk.readings g WHERE g.uuid = e.uuid FOR UPDATE;
        IF NOT FOUND THEN
            INSERT INTO rangedesk.readings (uuid, taken, model, vendor, product, serial,
                                            simulated, distance_tenths, text, job, label, note,
                                            desk, search, version, changed, changed_by)
            VALUES (e.uuid, e.taken, e.model, e.vendor, e.product, e.serial, e.simulated,
                    e.distance_tenths, e.text, e.job, e.label, e.note, e.desk, e.search,
                    e.version, e.changed, e.changed_by)
            RETURNING * INTO s;
            verdict := 'same';
        ELSE
            verdict := rangedesk.edit_outcome(s.version, s.changed, s.changed_by,
                                              e.version, e.changed, e.changed_by);
        END IF;
        IF verdict IN ('apply', 'override') THEN
            UPDATE rangedesk.readings g
               SET job = e.job, label = e.label, note = e.note, search = e.search,
                   version = rangedesk.next_version(verdict, s.version, e.version),
                   changed = e.changed, changed_by = e.changed_by,
                   lost_by = CASE WHEN verdict = 'override' THEN s.changed_by ELSE '' END
             WHERE g.uuid = e.uuid
            RETURNING * INTO s;
        END IF;
        outcome := verdict;
        state := to_jsonb(s) - 'search' - 'xact';
        RETURN NEXT;
    END LOOP;
END $$;

CREATE TRIGGER jobs_stamp BEFORE UPDATE ON rangedesk.jobs
    FOR EACH ROW EXECUTE FUNCTION rangedesk.stamp_xact();
CREATE TRIGGER downloads_stamp BEFORE UPDATE ON rangedesk.downloads
    FOR EACH ROW EXECUTE FUNCTION rangedesk.stamp_xact();
CREATE TRIGGER records_stamp BEFORE UPDATE ON rangedesk.records
    FOR EACH ROW EXECUTE FUNCTION rangedesk.stamp_xact();
CREATE TRIGGER readings_stamp BEFORE UPDATE ON rangedesk.readings
    FOR EACH ROW EXECUTE FUNCTION rangedesk.stamp_xact();
CREATE TRIGGER jobs_announce AFTER INSERT OR UPDATE OR DELETE ON rangedesk.jobs
    FOR EACH STATEMENT EXECUTE FUNCTION rangedesk.announce();
CREATE TRIGGER downloads_announce AFTER INSERT OR UPDATE OR DELETE ON rangedesk.downloads
    FOR EACH STATEMENT EXECUTE FUNCTION rangedesk.announce();
CREATE TRIGGER records_announce AFTER INSERT OR UPDATE OR DELETE ON rangedesk.records
    FOR EACH STATEMENT EXECUTE FUNCTION rangedesk.announce();
CREATE TRIGGER readings_announce AFTER INSERT OR UPDATE OR DELETE ON rangedesk.readings
    FOR EACH STATEMENT EXECUTE FUNCTION rangedesk.announce();

-- Desks read everything, add rows and edit the editable columns; they delete nothing.
-- Administrators own the schema: they delete and upgrade.
REVOKE ALL ON ALL FUNCTIONS IN SCHEMA rangedesk FROM PUBLIC;
GRANT USAGE ON SCHEMA rangedesk TO rangedesk_desk;
GRANT SELECT ON ALL TABLES IN SCHEMA rangedesk TO rangedesk_desk;
GRANT INSERT ON rangedesk.jobs, rangedesk.downloads, rangedesk.records, rangedesk.readings
    TO rangedesk_desk;
GRANT UPDATE (name, client, address, notes, search, version, changed, changed_by, lost_by, xact)
    ON rangedesk.jobs TO rangedesk_desk;
GRANT UPDATE (job, job_version, changed, changed_by, lost_by, xact)
    ON rangedesk.downloads TO rangedesk_desk;
GRANT UPDATE (label, note, deduction, search, version, changed, changed_by, lost_by, xact)
    ON rangedesk.records TO rangedesk_desk;
GRANT UPDATE (job, label, note, search, version, changed, changed_by, lost_by, xact)
    ON rangedesk.readings TO rangedesk_desk;
GRANT EXECUTE ON ALL FUNCTIONS IN SCHEMA rangedesk TO rangedesk_desk;
)sql";

constexpr std::array<const char*, 1> kSteps = {kStep1};

} // namespace

std::span<const char* const> SchemaSteps() {
    return kSteps;
}

int KnownSchemaVersion() {
    return int(kSteps.size());
}

} // namespace rangedesk::team
